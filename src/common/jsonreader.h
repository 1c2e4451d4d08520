#pragma once

// RapidJSON's SAX reader as every reader of JSON text here includes it: the same build of the
// library in every unit, and one rule for nesting (json::kMaxDepth) kept by DepthGuard. The
// readers run iteratively, so that only the guard bounds the depth, never the stack.
#include "common/jsonvalue.h"

#if defined(__SSE4_2__)
#define RAPIDJSON_SSE42
#elif defined(__SSE2__)
#define RAPIDJSON_SSE2
#endif

// RapidJSON 1.1.0's stack adds to a null pointer before its first allocation, which clang's
// pointer-overflow check reports (Tencent/rapidjson#1724, fixed after that release): the check
// is off for the library's own functions only.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((no_sanitize("pointer-overflow"))), apply_to = function)
#endif
#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#if defined(__clang__)
#pragma clang attribute pop
#endif

namespace json {

// Numbers as their text, without recursion.
inline constexpr unsigned kReaderFlags =
    rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;

// Counts the open containers of a reader's handler: opening one more than kMaxDepth fails,
// which stops the reader.
class DepthGuard {
public:
    bool open() {
        if (m_depth >= kMaxDepth) {
            m_tooDeep = true;
            return false;
        }
        ++m_depth;
        return true;
    }
    void close() { --m_depth; }
    int depth() const { return m_depth; }
    bool tooDeep() const { return m_tooDeep; }

private:
    int m_depth = 0;
    bool m_tooDeep = false;
};

} // namespace json
