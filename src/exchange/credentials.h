#pragma once

#include <QString>

#include <cstdint>

struct HttpCredentials {
    QString user;
    QString password;
};

// HTTP basic credentials by company code (9, 10 and 11 have their own; every other code,
// and a company code text that is not a number, gets the shared ones).
HttpCredentials credentialsForCompany(int32_t companyCode);
HttpCredentials credentialsForCompanyText(const QString& companyCodeText);
