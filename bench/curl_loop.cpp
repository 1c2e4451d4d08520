// The reference of a replay: the same requests posted one after the other on one libcurl handle
// (one kept-alive connection), with the headers the program's own client sends, each answer
// read whole into memory and its status checked. Nothing else: no signing (the bodies are signed
// beforehand), no comparison.
//
//   bench_curl_loop URL USER PASSWORD BODIES
//
// BODIES holds one request body a line (a wire text never holds a raw line break); URL is the
// service's address. Exits 1 when an answer is not 200.
#include <curl/curl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

size_t keep(char* data, size_t size, size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "uso: bench_curl_loop URL USUARIO SENHA CORPOS\n");
        return 2;
    }
    std::vector<std::string> bodies;
    std::ifstream in(argv[4]);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            bodies.push_back(line);
    curl_global_init(CURL_GLOBAL_DEFAULT);
    CURL* c = curl_easy_init();
    curl_slist* headers =
        curl_slist_append(nullptr, "Content-Type: application/json;charset=UTF-8");
    headers = curl_slist_append(headers, "Expect:");
    curl_easy_setopt(c, CURLOPT_URL, argv[1]);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
    curl_easy_setopt(c, CURLOPT_USERNAME, argv[2]);
    curl_easy_setopt(c, CURLOPT_PASSWORD, argv[3]);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    std::string answer;
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, keep);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &answer);
    int failures = 0;
    for (const std::string& body : bodies) {
        answer.clear();
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.data());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
        long status = 0;
        if (curl_easy_perform(c) == CURLE_OK)
            curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
        failures += status != 200;
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(c);
    curl_global_cleanup();
    std::printf("%zu requisições, %d sem 200\n", bodies.size(), failures);
    return failures == 0 ? 0 : 1;
}
