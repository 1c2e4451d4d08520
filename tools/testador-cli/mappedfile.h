#pragma once

#include <QString>

#include <cstddef>
#include <memory>
#include <string_view>

// The bytes of a regular file mapped read-only: read where they lie in the system's file cache,
// never copied into memory of the program's own. Pages read can be given back as the reading
// goes (they are read again from the cache when touched), so that a large file never stays in
// memory whole. A file cut shorter while it is mapped would end the program with a bus error;
// instead the program ends with a message naming the file and exit code 2 (what was written
// before stays written).
class MappedFile {
public:
    // Null when the descriptor cannot be mapped (an empty file, a file system without
    // mappings): the caller then reads the file.
    static std::unique_ptr<MappedFile> map(int fd, std::size_t size, const QString& name);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view bytes() const { return {m_data, m_size}; }
    // Gives back the memory of the pages the part lies on (a part of bytes()).
    void release(std::string_view part) const;

private:
    MappedFile(const char* data, std::size_t size);
    const char* m_data;
    std::size_t m_size;
};
