// Files built into the program image, opened as "incbin::name".
#pragma once

#include <span>
#include <string>
#include <string_view>

// Adds a file to the table under `name` (matched exactly, case included).
// Returns 1 if added, 0 if the name was already there (the table is unchanged).
// The data must stay valid for the rest of the run; it is never copied.
int register_embedded_file(const std::string& name, const void* data, int size);

struct EmbeddedFile {
    std::string name;
    const void* data;
    int size;
};

// The entry registered under exactly this name, or null.
const EmbeddedFile* find_embedded_file(std::string_view name);

// Data that the build placed into this program (see cmake/Embed.cmake). Each
// program that embeds files defines built_in_files(); the main program picks
// them by name and registers them in the order it needs.
struct BuiltInFile {
    const char* name;
    const unsigned char* data;
    int size;
};

std::span<const BuiltInFile> built_in_files();

inline const BuiltInFile* find_built_in_file(std::string_view name) {
    for (const BuiltInFile& file : built_in_files())
        if (name == file.name) return &file;
    return nullptr;
}

// Registers the built-in file of that name. Returns 0 if the build did not
// embed it or the name is already registered.
inline int register_built_in_file(std::string_view name) {
    const BuiltInFile* file = find_built_in_file(name);
    return file ? register_embedded_file(std::string(name), file->data, file->size) : 0;
}
