#pragma once

#include <QJsonObject>
#include <QString>

// The application-wide skin settings: the settings file, the style sheet and
// the folders they live in.
class SkinConfig
{
public:
    static SkinConfig &instance();

    void load(const QString &appDir);
    void applyStyleSheet();
    QJsonObject settings() const;
    QString exeDirectory() const;
    QString skinDirectory() const;
    static QString emailPattern();

private:
    SkinConfig() = default;
    QJsonObject m_settings;
    mutable QString m_skinDirectory;
};
