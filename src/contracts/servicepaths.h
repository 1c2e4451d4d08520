#pragma once

#include <QStringList>

// Every service path ("TNFeAPI/AutenticaSEFAZ"), class by class, in member order: the codes of
// each service enumeration after its "_NaoEncontrado" member, under its API class.
QStringList servicePaths();
