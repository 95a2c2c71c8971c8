// Draws the start picture and the two icons the program checks for at start-up.
#include <QGuiApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

QImage Icon(QColor body, const QString& letters)
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(body);
    p.drawRect(6, 4, 20, 24);
    for (int y : {9, 16, 23}) {
        p.drawLine(1, y, 6, y);
        p.drawLine(26, y, 31, y);
    }
    p.setPen(Qt::white);
    QFont f;
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(6, 4, 20, 24), Qt::AlignCenter, letters);
    return img;
}

QImage StartPicture()
{
    QImage img(480, 300, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 300);
    g.setColorAt(0, QColor(0xE8, 0xF0, 0xFF));
    g.setColorAt(1, QColor(0xA8, 0xC0, 0xE8));
    p.fillRect(img.rect(), g);
    // A few conductors and an AND symbol on a grid of dots.
    p.setPen(QColor(0x80, 0x80, 0x80));
    for (int x = 7; x < 480; x += 14)
        for (int y = 7; y < 300; y += 14)
            p.drawPoint(x, y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x30, 0x60), 2));
    p.setBrush(Qt::white);
    p.drawRect(300, 120, 56, 70);
    p.drawText(QRect(300, 120, 56, 70), Qt::AlignCenter, QStringLiteral("&"));
    p.drawLine(240, 140, 300, 140);
    p.drawLine(240, 170, 300, 170);
    p.drawLine(356, 155, 430, 155);
    p.setBrush(QColor(0xE0, 0x20, 0x20));
    p.drawEllipse(QPoint(436, 155), 7, 7);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: gatrel-make-data <output folder>\n";
        return 2;
    }
    const QDir out(args.at(1));
    QDir().mkpath(out.path());
    const bool ok = StartPicture().save(out.filePath(QStringLiteral("start.jpg")), "JPG", 90)
                    && Icon(QColor(0x20, 0x50, 0xA0), QStringLiteral("G")).save(out.filePath(QStringLiteral("gatrel.ico")), "ICO")
                    && Icon(QColor(0x20, 0x80, 0x40), QStringLiteral("IC")).save(out.filePath(QStringLiteral("ic.ico")), "ICO");
    if (!ok) {
        QTextStream(stderr) << "gatrel-make-data: could not write the data files\n";
        return 1;
    }
    return 0;
}
