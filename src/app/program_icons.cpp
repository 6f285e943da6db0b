#include "app/program_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace plotwise {
namespace {

// Renders the drawing anew for every size; disabled icons are greyed by the style.
class SvgIconEngine final : public QIconEngine {
  public:
    explicit SvgIconEngine(const QString& resource) : resource_(resource) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        QSvgRenderer renderer(resource_);
        renderer.render(painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }
    QString key() const override { return QStringLiteral("plotwise-svg"); }

  private:
    QString resource_;
};

}  // namespace

QIcon ApplicationIcon() {
    return QIcon(new SvgIconEngine(":/icons/plotwise.svg"));
}

QIcon DocumentIcon() {
    return QIcon(new SvgIconEngine(":/icons/application-x-plotwise.svg"));
}

}  // namespace plotwise
