// Writes pictures to files so that a failed write never costs the user an existing file.
#pragma once

#include <QImage>
#include <QString>
#include <string>

namespace quillmark {

// Writes image in format ("PNG", "BMP") through a temporary file that replaces path only when
// complete, so a failure never leaves a partial file and keeps an existing one intact.
// Empty on success; otherwise a message naming the file and the reason.
std::string SavePicture(const QImage& image, const QString& path, const char* format);

}  // namespace quillmark
