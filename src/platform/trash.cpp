// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace tallyfox {

// Where Qt 6.4 finds no Trash it may still report success, having moved the
// file into "files/" under the working folder: it goes back where it was.
bool MoveToTrash(const std::filesystem::path& file) {
  const QString original = QFile::decodeName(QByteArray::fromStdString(file.native()));
  QString inTrash;
  if (!QFile::moveToTrash(original, &inTrash)) return false;
  if (QFileInfo(inTrash).isAbsolute()) return true;
  const QDir here = QDir::current();
  QFile::rename(here.absoluteFilePath(inTrash), original);
  QFile::remove(here.absoluteFilePath(
      QStringLiteral("info/%1.trashinfo").arg(QFileInfo(inTrash).fileName())));
  for (const char* made : {"files", "info"}) here.rmdir(QString::fromLatin1(made));
  return false;
}

}  // namespace tallyfox
