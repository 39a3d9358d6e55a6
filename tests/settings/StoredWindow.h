#pragma once
// A plain window carrying stored settings, as the plug-in's windows do.

#include <QCloseEvent>
#include <QShowEvent>
#include <QWidget>

#include "ui/settings/qt/FormStorage.h"

namespace q9x::test {

class StoredWindow : public QWidget {
 public:
  static constexpr QPoint kDesignedPlace{100, 50};

  StoredWindow(const QString& section, unsigned options, bool fixedSize,
               std::vector<TStoredValue> values = {})
      : FormStorage1(std::move(values))
  {
    if (fixedSize)
      setFixedSize(328, 121);
    else
      resize(327, 141);
    move(kDesignedPlace);
    winId();
    FormStorage1.setOptions(options);
    FormStorage1.attach(*this, section);
  }

  bool allowClose = true;
  // The frame's position as the window's own show handling found it.
  QPoint placeAtShow;
  TFormStorage FormStorage1;

 protected:
  void showEvent(QShowEvent* event) override
  {
    if (!event->spontaneous()) placeAtShow = pos();
  }
  void closeEvent(QCloseEvent* event) override { event->setAccepted(allowClose); }
};

}  // namespace q9x::test
