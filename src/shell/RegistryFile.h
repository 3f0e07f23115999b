#pragma once

#include "RegistryStore.h"

#include <QString>

#include <functional>

// The store's file. Never held open: every operation reads it, and a change is one
// read-change-replace under a lock on its folder, so two programs never lose each other's keys.
class RegistryFile
{
public:
    explicit RegistryFile(QString path) : m_path(std::move(path)) {}

    // The store as the file holds it; a missing or unreadable file reads as an empty store.
    RegistryStore read() const;

    // Runs `change` on the current store and writes the result when `change` returns true.
    // False when `change` refused or the file could not be written.
    bool change(const std::function<bool(RegistryStore &)> &change) const;

private:
    QString m_path;
};
