// Reading the text of an architecture part file: records of five numbers x y z u v,
// separated by any white space, as the level's walls and ceiling are stored.
#pragma once

#include <string>
#include <vector>

// Either the records of a file or the reason it cannot be used.
struct ArchitectureRecords {
    int vertexCount = 0;
    std::vector<float> vertices;   // 3 floats per record: x, y, z
    std::vector<float> texCoords;  // 2 floats per record: u, v
    std::string reason;            // names the line, not the file

    bool ok() const { return reason.empty(); }
};

// Refuses a file that ends inside a record and numbers that are not finite; an empty file
// gives no records. Never prints or ends the process.
ArchitectureRecords parseArchitecture(const std::string& text);
