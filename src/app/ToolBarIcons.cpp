#include "app/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

constexpr int Size = 24;

void Page(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{5, 2}, {15, 2}, {19, 6}, {19, 22}, {5, 22}}));
    p.drawPolyline(QPolygonF({{15, 2}, {15, 6}, {19, 6}}));
}

void Magnifier(QPainter& p) {
    p.setBrush(QColor(220, 240, 255));
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QPointF(15, 15), 4.5, 4.5);
    p.drawLine(QPointF(18.5, 18.5), QPointF(22.5, 22.5));
}

void Draw(QPainter& p, CommandId command) {
    p.setPen(QPen(QColor(30, 30, 30), 1.3));
    switch (command) {
    case CommandId::LoadJob:
        p.setBrush(QColor(240, 200, 80));
        p.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}}));
        p.setBrush(QColor(250, 225, 130));
        p.drawPolygon(QPolygonF({{2, 20}, {6, 11}, {23, 11}, {21, 20}}));
        break;
    case CommandId::SaveJob:
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 12, 7));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7, 14, 10, 7));
        break;
    case CommandId::PrintJob:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15, 10, 7));
        break;
    case CommandId::NewJob:
        Page(p);
        p.setPen(QPen(QColor(0, 140, 0), 2.5));
        p.drawLine(QPointF(12, 10), QPointF(12, 18));
        p.drawLine(QPointF(8, 14), QPointF(16, 14));
        break;
    case CommandId::EditJobInfo:
        Page(p);
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 9; y <= 18; y += 3)
            p.drawLine(QPointF(8, y), QPointF(16, y));
        p.setPen(QPen(QColor(200, 60, 20), 3));
        p.drawLine(QPointF(11, 20), QPointF(21, 10));
        break;
    case CommandId::SelectInsulation:
        p.setBrush(QColor(190, 80, 50));
        for (int row = 0; row < 4; ++row) {
            const double shift = row % 2 == 0 ? 0 : -4;
            for (double x = 2 + shift; x < 22; x += 8)
                p.drawRect(QRectF(std::max(2.0, x), 3 + row * 4.5, x < 2 ? 4 : 8, 4.5));
        }
        p.setBrush(QColor(250, 240, 120));
        p.drawRect(QRectF(2, 21, 20, 2));
        break;
    case CommandId::SunAllowance:
        p.setPen(QPen(QColor(230, 150, 0), 2));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(QPointF(12 + 6.5 * std::cos(a), 12 + 6.5 * std::sin(a)),
                       QPointF(12 + 10.5 * std::cos(a), 12 + 10.5 * std::sin(a)));
        }
        p.setPen(QPen(QColor(200, 120, 0), 1));
        p.setBrush(QColor(255, 210, 40));
        p.drawEllipse(QPointF(12, 12), 5, 5);
        break;
    case CommandId::AirChange:
        p.setPen(QPen(QColor(40, 120, 200), 2));
        p.setBrush(Qt::NoBrush);
        for (int y : {6, 12, 18}) {
            QPainterPath wave;
            wave.moveTo(2, y);
            wave.cubicTo(7, y - 4, 11, y + 4, 16, y);
            p.drawPath(wave);
            p.drawLine(QPointF(16, y), QPointF(21, y));
            p.drawLine(QPointF(21, y), QPointF(18, y - 2.5));
            p.drawLine(QPointF(21, y), QPointF(18, y + 2.5));
        }
        break;
    case CommandId::SelectProduct:
        p.setBrush(QColor(205, 160, 100));
        p.drawPolygon(QPolygonF({{3, 8}, {12, 4}, {21, 8}, {12, 12}}));
        p.setBrush(QColor(180, 130, 70));
        p.drawPolygon(QPolygonF({{3, 8}, {12, 12}, {12, 22}, {3, 18}}));
        p.setBrush(QColor(160, 110, 55));
        p.drawPolygon(QPolygonF({{21, 8}, {12, 12}, {12, 22}, {21, 18}}));
        break;
    case CommandId::GlassDoors:
        p.setBrush(QColor(120, 120, 130));
        p.drawRect(QRectF(5, 2, 14, 20));
        p.setBrush(QColor(170, 220, 250));
        p.drawRect(QRectF(7, 4, 10, 16));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawLine(QPointF(9, 14), QPointF(14, 7));
        break;
    case CommandId::MotorLoads:
        p.setBrush(QColor(90, 110, 130));
        p.drawRoundedRect(QRectF(3, 7, 14, 11), 2, 2);
        p.drawRect(QRectF(17, 11, 5, 3));
        p.setBrush(QColor(60, 70, 80));
        p.drawRect(QRectF(5, 18, 10, 3));
        p.setPen(QPen(Qt::white, 1));
        for (int x = 6; x <= 14; x += 3)
            p.drawLine(QPointF(x, 9), QPointF(x, 16));
        break;
    case CommandId::Occupants:
        p.setBrush(QColor(60, 130, 60));
        p.drawEllipse(QPointF(12, 6), 3.5, 3.5);
        p.drawRoundedRect(QRectF(6, 11, 12, 11), 4, 4);
        break;
    case CommandId::UnitSearch:
        p.setBrush(QColor(170, 175, 185));
        p.drawRect(QRectF(1, 4, 15, 12));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(6, 10), 3.5, 3.5);
        Magnifier(p);
        break;
    case CommandId::CoilSearch:
        p.setPen(QPen(QColor(40, 120, 200), 1.6));
        p.drawPolyline(
            QPolygonF({{2, 4}, {13, 4}, {13, 7}, {2, 7}, {2, 10}, {13, 10}, {13, 13}, {2, 13}}));
        Magnifier(p);
        break;
    default:
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4, 4, 16, 16));
        break;
    }
}

} // namespace

QIcon ToolBarIcon(CommandId command) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        Draw(painter, command);
    }
    return QIcon(pixmap);
}
