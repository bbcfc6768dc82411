#pragma once

class QString;
class QTranslator;

// The language of the window: the file "Language/language" beside the
// program names it, and FeedbackRes/QM/Feedback_<name>.qm holds its texts.
namespace Translation {

// The one translator of the process, created on first use.
QTranslator &shared();
// Loads and installs the named language's texts, when the program has
// them; Arabic also mirrors the layout. When the language file is missing or
// empty, or names a language the program lacks, the texts stay English, with
// English plural forms.
void installFrom(const QString &appDir);

} // namespace Translation
