#pragma once

#include <QString>
#include <QWidget>

// Printing, the update check and the growth chart need libraries (print
// support, networking, charts) that many sessions never use. Each lives in a
// module file beside the program and is loaded the first time it is needed,
// so start-up maps none of them. A module exports one C entry point that
// creates its feature object as a child of a window.
namespace FeatureModule {

using Entry = QObject* (*)(QWidget* window);

// Makes `entry` the entry point named `symbol` without loading a module:
// programs that link the feature's code themselves (tests) provide it so.
void provide(const char* symbol, Entry entry);

// The entry point `symbol`: the provided one, else the one in the module
// `<program folder>/<module>.so`, loaded on the first call. Null when the
// module is missing or broken; `error` then says which file and why.
Entry find(const QString& module, const char* symbol, QString* error);

// Creates the feature `Feature` (a QObject subclass) for `window` through
// its module; null, with `error` set, when the module cannot be used.
template <typename Feature>
Feature* create(const QString& module, const char* symbol, QWidget* window, QString* error) {
    const Entry entry = find(module, symbol, error);
    return entry ? static_cast<Feature*>(entry(window)) : nullptr;
}

} // namespace FeatureModule
