#pragma once

#include <string>

namespace sim {

// How a service's request travels, as the middleware expects it.
enum class BodyKind {
    Session,     // the session request: the session object itself, with credentials
    Plain,       // the data value itself, with credentials
    PlainPublic, // the data value itself, without credentials
    Envelope,    // the signed envelope {"Parametros":{"Id","Dados"},"Assinatura"}, with credentials
};

// The kind of a service path ("API/Service", further segments allowed); API classes and
// service names are compared without regard to case.
BodyKind bodyKindOf(const std::string& path);

} // namespace sim
