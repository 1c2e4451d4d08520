#pragma once

#include <QString>

// One Portuguese line that tells the user what to check after a failed request, added below
// the system's own text. Empty when there is nothing useful to say.
//  - socketCode: the ESocketError code (0 when the failure was not a socket error);
//  - httpStatus: the status of an error answer (0 when there was none);
//  - url: the address the request went to;
//  - timeoutSeconds: the time-out the request had (0: none).
QString failureHint(int socketCode, int httpStatus, const QString& url, int timeoutSeconds);

// "http://host:port" of a URL, as the user typed the server's address.
QString serverAddress(const QString& url);
