#pragma once

#include "exchange/session.h"
#include "pages/kit/pagecontext.h"

// The session page ("ts_ConectaMiddleware") owns the fields of the session request.
inline const QString kSessionPage = QStringLiteral("ts_ConectaMiddleware");

// The session request's fields as the session page holds them.
SessionFields sessionPageFields(kit::PageHost& host);
// What the session page shows when the window opens: the request date, the database version,
// the machine and the user.
void fillSessionPage(kit::PageHost& host);
