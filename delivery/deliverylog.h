#pragma once

#include <QString>

// The delivery error log "Log/feedback.log" beside the executable, and the
// removal of the temporary files a report leaves behind.
namespace DeliveryLog {

// Appends "HH:mm:ss <message> feedback error code is <code>" and a line end.
// The Log folder is not created; an entry that cannot be written is dropped.
void writeFeedbackLog(const QString &appDir, int code, const QString &message);

// Deletes a file, or every file in a folder tree (the folders stay). True for
// an empty path or one where nothing exists; false at the first file that
// cannot be deleted. Symbolic links inside a folder are removed as links,
// never followed.
bool removePath(const QString &path);

// The clean-up when the window closes: crash and log archives, the files in
// ScreenPicture (the folder stays) and the screenshot archive. The database
// archive and the error log stay.
void removeTemporaryFiles(const QString &appDir);

} // namespace DeliveryLog
