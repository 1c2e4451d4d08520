// libcurl loaded on first use. The programs link none of libcurl: these definitions of the
// functions the client calls load libcurl.so.4 the first time one of them is called and pass
// every call on to it. libcurl brings some thirty libraries of its own (TLS, Kerberos, LDAP,
// SSH…), whose loading and relocation cost the window a third of its start-up and several MiB
// of memory; now only what sends a request (the window's first exchange, the command line's
// `call`) pays for them.
//
// The option of curl_easy_setopt and the information of curl_easy_getinfo say by their range
// what travels in the variable argument (libcurl's documented convention), so it is passed on
// with its own type.
#include "common/exception.h"

#include <QLibrary>

#include <cstdarg>
#include <type_traits>

// The definitions are hidden: nothing outside the program binds to them.
#pragma GCC visibility push(hidden)
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

namespace {

struct Curl {
    decltype(&curl_global_init) globalInit;
    decltype(&curl_easy_strerror) easyStrerror;
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_easy_reset) easyReset;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;
    decltype(&curl_multi_init) multiInit;
    decltype(&curl_multi_cleanup) multiCleanup;
    decltype(&curl_multi_add_handle) multiAddHandle;
    decltype(&curl_multi_remove_handle) multiRemoveHandle;
    decltype(&curl_multi_perform) multiPerform;
    decltype(&curl_multi_poll) multiPoll;
    decltype(&curl_multi_info_read) multiInfoRead;
};

Curl load() {
    static QLibrary library(QStringLiteral("curl"), 4); // kept loaded for the process's life
    if (!library.load())
        throw Exception(
            QStringLiteral("Não foi possível carregar a libcurl (libcurl.so.4), com que o "
                           "testador envia as requisições: %1")
                .arg(library.errorString()));
    const auto get = [](auto& function, const char* name) {
        function =
            reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        if (!function)
            throw Exception(QStringLiteral("A libcurl instalada não tem a função %1: %2")
                                .arg(QString::fromLatin1(name), library.errorString()));
    };
    Curl c{};
    get(c.globalInit, "curl_global_init");
    get(c.easyStrerror, "curl_easy_strerror");
    get(c.easyInit, "curl_easy_init");
    get(c.easyCleanup, "curl_easy_cleanup");
    get(c.easyReset, "curl_easy_reset");
    get(c.easyPerform, "curl_easy_perform");
    get(c.easySetopt, "curl_easy_setopt");
    get(c.easyGetinfo, "curl_easy_getinfo");
    get(c.slistAppend, "curl_slist_append");
    get(c.slistFreeAll, "curl_slist_free_all");
    get(c.multiInit, "curl_multi_init");
    get(c.multiCleanup, "curl_multi_cleanup");
    get(c.multiAddHandle, "curl_multi_add_handle");
    get(c.multiRemoveHandle, "curl_multi_remove_handle");
    get(c.multiPerform, "curl_multi_perform");
    get(c.multiPoll, "curl_multi_poll");
    get(c.multiInfoRead, "curl_multi_info_read");
    return c;
}

// Loaded once, by whichever thread comes first; a failure is raised again on the next call.
const Curl& curl() {
    static const Curl loaded = load();
    return loaded;
}

} // namespace

extern "C" {

CURLcode curl_global_init(long flags) {
    return curl().globalInit(flags);
}

const char* curl_easy_strerror(CURLcode code) {
    return curl().easyStrerror(code);
}

CURL* curl_easy_init() {
    return curl().easyInit();
}

void curl_easy_cleanup(CURL* handle) {
    curl().easyCleanup(handle);
}

void curl_easy_reset(CURL* handle) {
    curl().easyReset(handle);
}

CURLcode curl_easy_perform(CURL* handle) {
    return curl().easyPerform(handle);
}

// The last named argument is an enumeration (of int, as libcurl's own definitions have it).
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wvarargs"
#endif

CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
    va_list args;
    va_start(args, option);
    CURLcode result = CURLE_UNKNOWN_OPTION;
    if (option < CURLOPTTYPE_OBJECTPOINT)
        result = curl().easySetopt(handle, option, va_arg(args, long));
    else if (option < CURLOPTTYPE_OFF_T) // objects and callbacks
        result = curl().easySetopt(handle, option, va_arg(args, void*));
    else if (option < CURLOPTTYPE_BLOB)
        result = curl().easySetopt(handle, option, va_arg(args, curl_off_t));
    else
        result = curl().easySetopt(handle, option, va_arg(args, void*));
    va_end(args);
    return result;
}

CURLcode curl_easy_getinfo(CURL* handle, CURLINFO info, ...) {
    va_list args;
    va_start(args, info);
    void* where = va_arg(args, void*); // every kind of information is written through a pointer
    va_end(args);
    return curl().easyGetinfo(handle, info, where);
}

#if defined(__clang__)
#pragma clang diagnostic pop
#endif

curl_slist* curl_slist_append(curl_slist* list, const char* text) {
    return curl().slistAppend(list, text);
}

void curl_slist_free_all(curl_slist* list) {
    curl().slistFreeAll(list);
}

CURLM* curl_multi_init() {
    return curl().multiInit();
}

CURLMcode curl_multi_cleanup(CURLM* multi) {
    return curl().multiCleanup(multi);
}

CURLMcode curl_multi_add_handle(CURLM* multi, CURL* handle) {
    return curl().multiAddHandle(multi, handle);
}

CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* handle) {
    return curl().multiRemoveHandle(multi, handle);
}

CURLMcode curl_multi_perform(CURLM* multi, int* running) {
    return curl().multiPerform(multi, running);
}

CURLMcode curl_multi_poll(CURLM* multi, curl_waitfd* extra, unsigned int count, int timeoutMs,
                          int* ready) {
    return curl().multiPoll(multi, extra, count, timeoutMs, ready);
}

CURLMsg* curl_multi_info_read(CURLM* multi, int* left) {
    return curl().multiInfoRead(multi, left);
}

} // extern "C"

#pragma GCC visibility pop
