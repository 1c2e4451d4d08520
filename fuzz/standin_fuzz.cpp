// Requests as any client may send them to the stand-in: every one is answered, never with
// the stand-in's own failure (a 500 says the stand-in broke on the request, not that the
// request was wrong). Input: the service path, a byte 0, the body.
#include "simserver.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static sim::MiddlewareSim stand;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    sim::Request r;
    r.method = "POST";
    r.path =
        split < 0 ? std::string("TConexaoAPI/ConectaMiddleware") : input.left(split).toStdString();
    r.target = "/datasnap/rest/" + r.path;
    r.body = (split < 0 ? input : input.mid(split + 1)).toStdString();
    r.contentType = "application/json";
    r.authUser = "0";
    r.authPassword = "0";
    const sim::Answer a = stand.respond(r);
    if (a.status == 500 && a.body.find("simulador") != std::string::npos &&
        a.body.find("Erro interno") != std::string::npos)
        std::abort();
    return 0;
}
