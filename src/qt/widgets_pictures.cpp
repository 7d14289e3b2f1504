// Shapes and images: the controls the model draws.

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "platform/files.h"
#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"

namespace qtui {

namespace {

class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, ui::Shape& shape) : QWidget(parent), shape_(shape) {}
  std::function<void()> clicked;

 protected:
  // A shape with a click handler is a button of its own (the colour swatches).
  void mousePressEvent(QMouseEvent* e) override {
    if (shape_.onClick)
      e->accept();
    else
      QWidget::mousePressEvent(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked)
      clicked();
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(qtColour(shape_.penColour()), 1));
    painter.setBrush(qtColour(shape_.brushColour()));
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    using F = ui::Shape::Figure;
    F figure = shape_.shape();
    if (figure == F::Square || figure == F::Circle) {
      double side = std::min(r.width(), r.height());
      r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    if (figure == F::Ellipse || figure == F::Circle)
      painter.drawEllipse(r);
    else if (figure == F::RoundRect)
      painter.drawRoundedRect(r, r.width() / 4, r.height() / 4);
    else
      painter.drawRect(r);
  }

 private:
  ui::Shape& shape_;
};

class ShapeElement : public Element {
 public:
  ShapeElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    auto* shape = new ShapeWidget(parent, static_cast<ui::Shape&>(c));
    shape->clicked = [this] {
      if (control.onClick) view.act(control, [this] { control.click(); });
    };
    widget = shape;
  }
  QSize naturalSize() const override { return {24, 24}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Shape) widget->update();
    Element::sync(p);
  }
};

// A picture drawn in memory, pixel for pixel.
QPixmap pixmapOf(const platform::Bitmap& bitmap) {
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x) {
      platform::Rgb c = bitmap.pixel(x, y);
      image.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  return QPixmap::fromImage(image);
}

// A picture fitted in its box: stretched when asked, otherwise shrunk (never enlarged) with its
// proportions kept.
class PictureWidget : public QWidget {
 public:
  using QWidget::QWidget;
  QPixmap picture;
  bool stretch = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture.isNull()) return;
    QPainter painter(this);
    // An enlarged picture (a tile of a few pixels) shows its pixels as they are.
    bool enlarged = picture.width() < width() && picture.height() < height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !(stretch && enlarged));
    if (stretch) {
      painter.drawPixmap(rect(), picture);
      return;
    }
    QSize size = picture.size();
    if (size.width() > width() || size.height() > height())
      size.scale(this->size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
  }
};

class ImageElement : public Element {
 public:
  ImageElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    picture_ = new PictureWidget(parent);
    widget = picture_;
  }
  QSize naturalSize() const override { return {105, 105}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Picture) {
      auto& model = static_cast<ui::Image&>(control);
      picture_->stretch = model.stretch;
      picture_->picture =
          model.bitmap().empty() ? loadPixmap(model.picture()) : pixmapOf(model.bitmap());
      picture_->update();
    }
    Element::sync(p);
  }

 private:
  PictureWidget* picture_;
};

}  // namespace

QPixmap loadPixmap(const std::filesystem::path& file) {
  QPixmap picture;
  if (file.empty()) return picture;
  // Read as bytes: a stored name need not be valid in the locale's encoding.
  try {
    std::string bytes = platform::readFile(file);
    picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                         static_cast<uint>(bytes.size()));
  } catch (const platform::FileError&) {
  }
  return picture;
}

std::unique_ptr<Element> makePictureElement(FormView& view, ui::Control& control, QWidget* host) {
  switch (control.kind()) {
    case ui::Kind::Shape: return std::make_unique<ShapeElement>(view, control, host);
    default: return std::make_unique<ImageElement>(view, control, host);  // Image
  }
}

}  // namespace qtui
