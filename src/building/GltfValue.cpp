#include "building/GltfValue.h"

const tinygltf::Value* gltfExtension(const tinygltf::ExtensionMap& extensions, const char* name)
{
    const auto found = extensions.find(name);
    return found != extensions.end() && found->second.IsObject() ? &found->second : nullptr;
}

double gltfNumber(const tinygltf::Value& object, const char* key, int index, double otherwise)
{
    if (!object.IsObject() || !object.Has(key))
        return otherwise;
    const tinygltf::Value& value = object.Get(key);
    const bool inArray = value.IsArray() && int(value.ArrayLen()) > index;
    const tinygltf::Value& item = index < 0 ? value : (inArray ? value.Get(index) : tinygltf::Value());
    return item.IsNumber() ? item.GetNumberAsDouble() : otherwise;
}

std::string gltfString(const tinygltf::Value& object, const char* key)
{
    if (!object.IsObject() || !object.Has(key) || !object.Get(key).IsString())
        return "";
    return object.Get(key).Get<std::string>();
}
