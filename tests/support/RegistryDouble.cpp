#include "tests/support/RegistryDouble.h"

#include <QtEndian>

#include <gtest/gtest.h>

using services::RegistryStatus;

RegistryDouble::RegistryDouble()
    : m_previous(services::setRegistry(this))
{}

RegistryDouble::~RegistryDouble()
{
    services::setRegistry(m_previous);
    for (const Path &key : std::as_const(m_open))
        ADD_FAILURE() << "Registry key left open: " << key.second.toStdString();
}

RegistryDouble::Path RegistryDouble::path(services::RegistryRoot root, const QString &keyName)
{
    QString name = keyName.toLower();
    while (name.endsWith(u'\\'))
        name.chop(1);
    while (name.startsWith(u'\\'))
        name.remove(0, 1);
    return {int(root), name};
}

void RegistryDouble::setText(services::RegistryRoot root, const QString &keyName,
                             const QString &valueName, const QString &text, bool withFinalNul)
{
    QByteArray data = text.toUtf8();
    if (withFinalNul)
        data.append('\0');
    setValue(root, keyName, valueName, services::RegistryType::Text, data);
}

void RegistryDouble::setDword(services::RegistryRoot root, const QString &keyName,
                              const QString &valueName, quint32 value)
{
    QByteArray data(4, '\0');
    qToLittleEndian(value, data.data());
    setValue(root, keyName, valueName, services::RegistryType::Dword, data);
}

void RegistryDouble::setValue(services::RegistryRoot root, const QString &keyName,
                              const QString &valueName, services::RegistryType type,
                              const QByteArray &data)
{
    m_keys[path(root, keyName)][valueName.toLower()] = services::RegistryValue{type, data};
}

void RegistryDouble::addKey(services::RegistryRoot root, const QString &keyName)
{
    m_keys[path(root, keyName)];
}

RegistryStatus RegistryDouble::OpenKey(services::RegistryRoot root, const QString &keyName,
                                       quint32 access, services::RegistryKey &key)
{
    m_lastAccess = access;
    key = 0;
    const Path wanted = path(root, keyName);
    if (!m_keys.contains(wanted))
        return RegistryStatus::NotFound;
    key = m_nextKey++;
    m_open.insert(key, wanted);
    return RegistryStatus::Success;
}

RegistryStatus RegistryDouble::QueryValue(services::RegistryKey key, const QString &valueName,
                                          int capacity, services::RegistryValue &value)
{
    value = services::RegistryValue();
    if (!m_open.contains(key))
        return RegistryStatus::InvalidHandle;
    const QMap<QString, services::RegistryValue> &values = m_keys.value(m_open.value(key));
    const auto found = values.constFind(valueName.toLower());
    if (found == values.cend())
        return RegistryStatus::NotFound;
    value.type = found->type;
    if (found->data.size() > capacity)
        return RegistryStatus::MoreData;
    value.data = found->data;
    return RegistryStatus::Success;
}

RegistryStatus RegistryDouble::CloseKey(services::RegistryKey key)
{
    return m_open.remove(key) > 0 ? RegistryStatus::Success : RegistryStatus::InvalidHandle;
}
