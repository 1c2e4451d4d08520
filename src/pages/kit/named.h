#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <type_traits>
#include <utility>

namespace kit {

// A kit piece (value kind, check, data builder, reading) with the names of the controls and
// input tables it reads, so that the page lint can refuse a misspelt name before anyone clicks.
// A page's own lambda converts to it with no names.
template <typename Sig> class Named : public std::function<Sig> {
public:
    Named() = default;
    template <typename F,
              typename = std::enable_if_t<std::is_constructible_v<std::function<Sig>, F> &&
                                          !std::is_base_of_v<std::function<Sig>, std::decay_t<F>>>>
    Named(F f) : std::function<Sig>(std::move(f)) {}
    template <typename F>
    Named(F f, QStringList usedNames)
        : std::function<Sig>(std::move(f)), names(std::move(usedNames)) {}

    QStringList names; // controls (and vt_ tables) the piece reads or writes
    QString words;     // what the piece does, in the user's words ("inteiro; …"), for the panel
};

} // namespace kit
