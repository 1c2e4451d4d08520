#pragma once

#include <QLibrary>
#include <QString>

// A shared library the program does not link but loads the first time one of its functions is
// called, so that a path that never calls it never pays for loading and relocating it (and the
// libraries it brings). The program defines the library's functions it calls; each passes the
// call on to the function of the same name, found here.
class OnDemandLibrary {
public:
    // name and version as for QLibrary ("zip", 4: libzip.so.4); purpose completes the message
    // shown when it cannot be loaded ("com que o testador lê e grava arquivos .zip").
    OnDemandLibrary(const char* name, int version, const char* purpose);

    // The library's function of that name; raises Exception when the library or the function
    // is missing.
    template <typename Function> Function function(const char* symbol) {
        return reinterpret_cast<Function>(resolve(symbol));
    }

private:
    QFunctionPointer resolve(const char* symbol);

    QLibrary m_library; // never unloaded
    QString m_purpose;
};
