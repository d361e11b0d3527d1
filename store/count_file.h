#pragma once

#include <QString>
#include <optional>

#include "file_access.h"
#include "number.h"

class QIODevice;

namespace conteggo {

// The count in the first field of a device in the line encoding; nothing when that field is
// missing or not a number (the caller then keeps its 0). Anything behind it is ignored.
std::optional<Number> readCount(QIODevice* device);

// "conteggo.txt": the count in seconds as one line. A bare name is looked up in the working
// directory at each opening.
class CountFile {
  public:
    explicit CountFile(QString path = QStringLiteral("conteggo.txt"));

    const QString& path() const { return file_.path(); }

    // Nothing when the file is missing, not a regular file, empty or does not start with a
    // number. A file that holds something else is kept aside before it is first replaced.
    std::optional<Number> load();

    // Writes `count` as the file's one line. A failed save keeps the old file.
    bool save(const Number& count);

  private:
    StoredFile file_;
};

}  // namespace conteggo
