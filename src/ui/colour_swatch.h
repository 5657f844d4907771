// A colour swatch: a small sunken field without text whose background shows one colour value.
// It keeps the raw value (a system colour such as -1 stays -1) and paints it resolved. Always
// disabled and read-only.
#pragma once

#include <QFrame>

#include "job/gallery_options.h"

namespace ql::ui {

class TColourSwatch : public QFrame {
  Q_OBJECT
 public:
  explicit TColourSwatch(QWidget* parent);

  TColor Colour() const { return colour_; }
  void SetColour(TColor colour);
  // The colour the swatch paints.
  QColor ShownColour() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor colour_ = 0;
};

}  // namespace ql::ui
