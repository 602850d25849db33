// Loaders, through Google Benchmark: each reader on each file, beside reading the same bytes
// into memory with one fread. Repetitions give the median; the console text goes to /dev/null.
#include "Bench.h"
#include "GeneratedBuilding.h"
#include "GeneratedFiles.h"

#include "building/BuildingLoader.h"

#include "level/ArchitecturePart.h"
#include "md2/ModelManager.h"
#include "picture/TgaReader.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <sys/stat.h>

namespace {

enum class Kind { Tga, Md2, Architecture, Building };

struct LoaderFile {
    std::string reader;
    std::string label;
    std::string path;
    Kind kind;
    std::string target = "";  // the building's: the whole load's time it should stay under
};

std::uint64_t fileSize(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

// The baseline: the same bytes into a fresh buffer of their size, as plainly as C allows.
void plainRead(const std::string& path)
{
    const std::uint64_t size = fileSize(path);
    std::unique_ptr<char[]> buffer(new char[size]);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    const std::size_t got = file ? std::fread(buffer.get(), 1, size, file) : 0;
    if (file)
        std::fclose(file);
    benchmark::DoNotOptimize(got);
    benchmark::DoNotOptimize(buffer.get());
}

void load(const LoaderFile& file)
{
    switch (file.kind) {
    case Kind::Tga: {
        TgaDecode image = readTga(file.path.c_str());
        benchmark::DoNotOptimize(image.image.pixels.data());
        break;
    }
    case Kind::Md2: {
        ModelManager manager;
        Md2Model model = manager.readModel(Vec3(0.15f, 0.15f, 0.15f), file.path.c_str()).model;
        benchmark::DoNotOptimize(model.sequenceFrames[0].data());
        break;
    }
    case Kind::Architecture: {
        ArchitecturePart part;
        part.load(file.path.c_str());
        benchmark::DoNotOptimize(part.vertices.data());
        break;
    }
    case Kind::Building: {
        BuildingOptions options;
        options.announce = false;
        BuildingLoad building = loadBuilding(file.path, options);
        if (!building.ok())
            std::abort();
        benchmark::DoNotOptimize(building.building.surfaces.data());
        break;
    }
    }
}

// Keeps the time per iteration of every repetition, by the name the benchmark was registered with.
class Collector : public benchmark::BenchmarkReporter {
public:
    std::map<std::string, std::vector<double>> seconds;

    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds[run.run_name.function_name].push_back(run.real_accumulated_time /
                                                        static_cast<double>(run.iterations));
    }
};

void registerPair(const LoaderFile& file, bool shortMode)
{
    auto* read = benchmark::RegisterBenchmark(("read/" + file.label).c_str(), [file](benchmark::State& state) {
        for (auto _ : state)
            plainRead(file.path);
    });
    auto* loader = benchmark::RegisterBenchmark(("load/" + file.label).c_str(), [file](benchmark::State& state) {
        for (auto _ : state)
            load(file);
    });
    for (auto* b : {read, loader}) {
        if (shortMode || file.kind == Kind::Building)  // a building takes up to a second: three runs give the median
            b->Iterations(1)->Repetitions(shortMode ? 1 : 3);
        else
            b->Repetitions(9)->MinTime(0.2);
    }
}

std::string throughput(double megabytes, double seconds)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.0f MB/s", megabytes / seconds);
    return text;
}

Row loaderRow(const LoaderFile& file, Collector& collector)
{
    const double megabytes = static_cast<double>(fileSize(file.path)) / 1e6;
    const double loadSeconds = median(collector.seconds["load/" + file.label]);
    const double readSeconds = median(collector.seconds["read/" + file.label]);
    char measure[160];
    std::snprintf(measure, sizeof measure, "%s, %s (%.2f MB), per file", file.reader.c_str(), file.label.c_str(),
                  megabytes);
    if (file.kind == Kind::Building)  // the building's figure is the whole load's time, besides its throughput
        return Row{"Loaders", measure, "-", loadSeconds * 1000, readSeconds * 1000, "ms",
                   throughput(megabytes, loadSeconds) + ", target " + file.target,
                   "plain read, " + throughput(megabytes, readSeconds), 0.0, false};
    return Row{"Loaders", measure, "-", loadSeconds * 1000, readSeconds * 1000, "ms",
               throughput(megabytes, loadSeconds), "plain read, " + throughput(megabytes, readSeconds),
               file.kind == Kind::Tga ? 2.0 : 0.0, false};
}

std::string binFile(const char* name)
{
    return dataSiblingFolder() + "/../bin/" + name;
}

}  // namespace

std::vector<Row> measureLoaders(const BenchOptions& options)
{
    GeneratedFiles generated(options.shortMode);
    const char* sizeWord = options.shortMode ? "generated (small)" : "generated";
    std::vector<LoaderFile> files = {
        {"TGA reader", "kachel2.tga", binFile("kachel2.tga"), Kind::Tga},
        {"TGA reader", "ceiling.tga", binFile("ceiling.tga"), Kind::Tga},
        {"TGA reader", "pelgrin2.tga", binFile("pelgrin2.tga"), Kind::Tga},
        {"TGA reader", std::string(sizeWord) + " large.tga", generated.tga, Kind::Tga},
        {"MD2 loader with light normals", "pelgrin.md2", binFile("pelgrin.md2"), Kind::Md2},
        {"MD2 loader with light normals", std::string(sizeWord) + " large.md2", generated.md2, Kind::Md2},
        {"architecture loader", "walls.txt", binFile("walls.txt"), Kind::Architecture},
        {"architecture loader", "ceiling.txt", binFile("ceiling.txt"), Kind::Architecture},
        {"architecture loader", std::string(sizeWord) + " large.txt", generated.architecture, Kind::Architecture},
    };
    // One million triangles in fifty materials (a thousand in short mode), through the building reader.
    const GeneratedBuilding building = writeBenchBuilding(generated.folder + "/", 50, options.shortMode ? 10 : 10000);
    const std::string triangles = std::to_string(building.triangles) + " triangles, 50 materials";
    files.push_back({"building reader", std::string(sizeWord) + " bench-building.glb, " + triangles, building.glb, Kind::Building,
                     "under 1000 ms"});
    files.push_back({"building reader", std::string(sizeWord) + " bench-building.obj, " + triangles, building.obj, Kind::Building,
                     "40 MB/s"});
    // The same building made small as users make it: gltfpack -c (quantized, meshopt) and Draco.
    const std::string meshopt = generated.folder + "/bench-building-meshopt.glb", draco = generated.folder + "/bench-building-draco.glb";
    if (std::system(("gltfpack -c -i " + building.glb + " -o " + meshopt + " >/dev/null").c_str()) != 0 ||
        std::system(("draco_transcoder -i " + building.glb + " -o " + draco + " >/dev/null").c_str()) != 0)
        std::abort();  // tools/install-deps test installs both
    files.push_back({"building reader", std::string(sizeWord) + " bench-building.glb by gltfpack -c, " + triangles, meshopt,
                     Kind::Building, "under 1500 ms"});
    files.push_back({"building reader", std::string(sizeWord) + " bench-building.glb by draco_transcoder, " + triangles, draco,
                     Kind::Building, "under 3000 ms"});
    for (const LoaderFile& file : files)
        registerPair(file, options.shortMode);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::ClearRegisteredBenchmarks();
    std::vector<Row> rows;
    for (const LoaderFile& file : files)
        rows.push_back(loaderRow(file, collector));
    for (const std::string& path : {building.glb, building.obj, generated.folder + "/bench-building.mtl", meshopt, draco})
        std::remove(path.c_str());
    return rows;
}
