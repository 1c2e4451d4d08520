#include "exchange/credentials.h"

#include "common/regional.h"

HttpCredentials credentialsForCompany(int32_t companyCode) {
    switch (companyCode) {
    case 9:
        return {QStringLiteral("irvano"), QStringLiteral("Hx4#pLr9@sVe2$k")};
    case 10:
        return {QStringLiteral("tavrin"), QStringLiteral("Pw3kXv8mQa2LrT9yHs5dJe7uBn4cFg6Z")};
    case 11:
        return {QStringLiteral("kolver"), QStringLiteral("Mb6tRw2eKp9sYh4nVc8xLa3gDf7jUq5Z")};
    default:
        return {QStringLiteral("quorva"), QStringLiteral("908070")};
    }
}

HttpCredentials credentialsForCompanyText(const QString& companyCodeText) {
    return credentialsForCompany(regional::strToIntDef(companyCodeText, 0));
}
