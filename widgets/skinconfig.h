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

    // The style sheet text as installed: every "url(:/" (case-sensitive)
    // becomes "url(FeedbackRes/skin/", relative to the executable's folder.
    static QString rewriteResourceUrls(const QString &styleSheet);
    // Reads a style sheet file as UTF-8 and rewrites its image references;
    // empty when the file cannot be read.
    static QString readStyleSheet(const QString &path);

private:
    SkinConfig() = default;
    QJsonObject m_settings;
    mutable QString m_skinDirectory;
};
