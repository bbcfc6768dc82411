#pragma once

#include "mimepart.h"

// A text/plain body part in UTF-8, written as 8bit.
class MimeText : public MimePart
{
public:
    explicit MimeText(const QString &text = QString());
    ~MimeText() override;

    void setText(const QString &text) { m_text = text; }
    const QString &text() const { return m_text; }

    void prepare() override;

private:
    QString m_text;
};
