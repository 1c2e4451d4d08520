// libzip loaded on first use (see common/ondemandlibrary.h): only what reads or writes a .zip
// (an evidence file, a packed answer) loads it and the compression libraries it brings.
#include "common/ondemandlibrary.h"

// The definitions are hidden: a library that calls the same functions (libzip calls libcrypto,
// libcurl calls both) keeps calling its own dependency, never these.
#pragma GCC visibility push(hidden)
#define ZIP_EXTERN // not the header's default visibility
#include <zip.h>

namespace {

OnDemandLibrary& libzip() {
    static OnDemandLibrary library("zip", 4, "com que o testador lê e grava arquivos .zip");
    return library;
}

template <typename Function> Function zipFunction(const char* name) {
    return libzip().function<Function>(name);
}

} // namespace

extern "C" {

zip_t* zip_open(const char* path, int flags, int* error) {
    static const auto f = zipFunction<decltype(&zip_open)>("zip_open");
    return f(path, flags, error);
}

int zip_close(zip_t* archive) {
    static const auto f = zipFunction<decltype(&zip_close)>("zip_close");
    return f(archive);
}

void zip_discard(zip_t* archive) {
    static const auto f = zipFunction<decltype(&zip_discard)>("zip_discard");
    f(archive);
}

zip_error_t* zip_get_error(zip_t* archive) {
    static const auto f = zipFunction<decltype(&zip_get_error)>("zip_get_error");
    return f(archive);
}

const char* zip_strerror(zip_t* archive) {
    static const auto f = zipFunction<decltype(&zip_strerror)>("zip_strerror");
    return f(archive);
}

void zip_error_init_with_code(zip_error_t* error, int code) {
    static const auto f =
        zipFunction<decltype(&zip_error_init_with_code)>("zip_error_init_with_code");
    f(error, code);
}

const char* zip_error_strerror(zip_error_t* error) {
    static const auto f = zipFunction<decltype(&zip_error_strerror)>("zip_error_strerror");
    return f(error);
}

void zip_error_fini(zip_error_t* error) {
    static const auto f = zipFunction<decltype(&zip_error_fini)>("zip_error_fini");
    f(error);
}

zip_int64_t zip_file_add(zip_t* archive, const char* name, zip_source_t* source,
                         zip_flags_t flags) {
    static const auto f = zipFunction<decltype(&zip_file_add)>("zip_file_add");
    return f(archive, name, source, flags);
}

int zip_set_file_compression(zip_t* archive, zip_uint64_t index, zip_int32_t method,
                             zip_uint32_t level) {
    static const auto f =
        zipFunction<decltype(&zip_set_file_compression)>("zip_set_file_compression");
    return f(archive, index, method, level);
}

zip_source_t* zip_source_buffer(zip_t* archive, const void* data, zip_uint64_t length,
                                int freeWhenDone) {
    static const auto f = zipFunction<decltype(&zip_source_buffer)>("zip_source_buffer");
    return f(archive, data, length, freeWhenDone);
}

zip_source_t* zip_source_file(zip_t* archive, const char* path, zip_uint64_t start,
                              zip_int64_t length) {
    static const auto f = zipFunction<decltype(&zip_source_file)>("zip_source_file");
    return f(archive, path, start, length);
}

void zip_source_free(zip_source_t* source) {
    static const auto f = zipFunction<decltype(&zip_source_free)>("zip_source_free");
    f(source);
}

zip_int64_t zip_get_num_entries(zip_t* archive, zip_flags_t flags) {
    static const auto f = zipFunction<decltype(&zip_get_num_entries)>("zip_get_num_entries");
    return f(archive, flags);
}

void zip_stat_init(zip_stat_t* stat) {
    static const auto f = zipFunction<decltype(&zip_stat_init)>("zip_stat_init");
    f(stat);
}

int zip_stat_index(zip_t* archive, zip_uint64_t index, zip_flags_t flags, zip_stat_t* stat) {
    static const auto f = zipFunction<decltype(&zip_stat_index)>("zip_stat_index");
    return f(archive, index, flags, stat);
}

zip_file_t* zip_fopen_index(zip_t* archive, zip_uint64_t index, zip_flags_t flags) {
    static const auto f = zipFunction<decltype(&zip_fopen_index)>("zip_fopen_index");
    return f(archive, index, flags);
}

zip_int64_t zip_fread(zip_file_t* file, void* into, zip_uint64_t length) {
    static const auto f = zipFunction<decltype(&zip_fread)>("zip_fread");
    return f(file, into, length);
}

zip_error_t* zip_file_get_error(zip_file_t* file) {
    static const auto f = zipFunction<decltype(&zip_file_get_error)>("zip_file_get_error");
    return f(file);
}

int zip_fclose(zip_file_t* file) {
    static const auto f = zipFunction<decltype(&zip_fclose)>("zip_fclose");
    return f(file);
}

} // extern "C"

#pragma GCC visibility pop
