#pragma once

#include <QObject>

// The module of in-memory input tables; it exists before the window so that the window's
// grids find their tables already there.
class TdmPrincipal : public QObject {
    Q_OBJECT
public:
    explicit TdmPrincipal(QObject* parent = nullptr);
};
