#pragma once

#include <QObject>
#include <QString>

namespace corvanta {

// A file dialog kept in the window's layout with its filter
// ("description|patterns"), which nothing opens.
class CommonDialog : public QObject {
 public:
  explicit CommonDialog(QObject* parent = nullptr) : QObject(parent) {}

  void setFilter(const QString& filter) { filter_ = filter; }
  QString filter() const { return filter_; }

 private:
  QString filter_;
};

}  // namespace corvanta
