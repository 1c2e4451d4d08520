#pragma once

#include "common/jsonpretty.h"

// "Abrir" of a typed member of the formatted view (a PDF, ZIP, PNG, JPEG or XML in base64):
// its bytes are decoded off the UI thread into a copy in the program's private temporary
// folder, which the system's viewer is given (QDesktopServices, whose handler for "file" URLs
// tests replace). The folder and every copy in it are removed when the program ends.
void openTypedMember(const jsonpretty::Fold& fold);

// Where the copies go: made on first use, private to the user.
QString typedMemberFolder();
