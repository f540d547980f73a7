#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The store in which a host keeps a control's design-time properties. Keys
// stay in the order written; a value equal to its default is not stored, and
// a missing key reads as its default.
class PropertyBag {
public:
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const;

private:
    QList<QPair<QString, QVariant>> m_entries;
};
