#pragma once

#include "platform/services/Registry.h"

#include <QMap>
#include <QPair>

// A registry with the keys and values a test gives it, in place of the
// system's while it lives. Key and value names are matched without regard to
// case. Keys left open when it is destroyed fail the test. Restores the
// registry it replaced.
class RegistryDouble final : public services::Registry
{
public:
    RegistryDouble();
    ~RegistryDouble() override;

    // Text is stored in UTF-8, by default with its final NUL as most stored
    // texts carry it.
    void setText(services::RegistryRoot root, const QString &keyName, const QString &valueName,
                 const QString &text, bool withFinalNul = true);
    void setDword(services::RegistryRoot root, const QString &keyName, const QString &valueName,
                  quint32 value);
    void setValue(services::RegistryRoot root, const QString &keyName, const QString &valueName,
                  services::RegistryType type, const QByteArray &data);
    void addKey(services::RegistryRoot root, const QString &keyName);

    int openKeys() const { return int(m_open.size()); }
    quint32 lastAccess() const { return m_lastAccess; }

    services::RegistryStatus OpenKey(services::RegistryRoot root, const QString &keyName,
                                     quint32 access, services::RegistryKey &key) override;
    services::RegistryStatus QueryValue(services::RegistryKey key, const QString &valueName,
                                        int capacity, services::RegistryValue &value) override;
    services::RegistryStatus CloseKey(services::RegistryKey key) override;

private:
    using Path = QPair<int, QString>;
    static Path path(services::RegistryRoot root, const QString &keyName);

    QMap<Path, QMap<QString, services::RegistryValue>> m_keys;
    QMap<services::RegistryKey, Path> m_open;
    services::RegistryKey m_nextKey = 1;
    quint32 m_lastAccess = 0;
    services::Registry *m_previous = nullptr;
};
