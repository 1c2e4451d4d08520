#pragma once

#include <QString>

// Questions the program asks its host.
class TFuncoesWindows {
public:
    TFuncoesWindows() = delete;
    // The computer's name.
    static QString NomeMaquina();
    // The logged-on user's name.
    static QString UsuarioWindows();
    // The user's temporary folder, ending with a separator.
    static QString TempPath();
};
