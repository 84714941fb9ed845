#include "help/PageLabel.h"

#include "help/HelpPage.h"

#include <QLabel>
#include <QPixmap>

QLabel* MakePageLabel(QWidget* parent, const QString& name, const HelpPage& page, QRect geometry,
                      int number, int count) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(RenderPage(page, geometry.size())));
    label->setGeometry(geometry);
    label->setAccessibleName(QStringLiteral("Página %1 de %2").arg(number).arg(count));
    label->setAccessibleDescription(PagePlainText(page));
    return label;
}
