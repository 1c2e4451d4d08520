#pragma once

class QLineEdit;

// The server address is a base to which service paths are appended: one typed without its
// final "/" is completed when the user leaves the field, and the user is told so once.
void completeBaseUrlWhenEdited(QLineEdit* field);
