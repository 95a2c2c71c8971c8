#pragma once
// The worksheet rig with an IC folder of its own, drags into the IC window,
// and answers to the connector-naming dialogs as they open.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "editing/worksheet_rig.h"
#include "ic/frmIC.h"
#include "ic/frmICAnschluss.h"
#include "ic/ic_drawing.h"
#include "model/pin_lists.h"

class ICWindowRig : public WorksheetRig {
protected:
    using Answer = std::function<void(frmICAnschluss&)>;

    ICWindowRig()
    {
        const QString ics = dir.filePath(QStringLiteral("ics/"));
        QDir().mkpath(ics);
        s.Verzeichnisse = {dir.path() + QLatin1Char('/'), ics, dir.path() + QLatin1Char('/')};
        window.resize(1100, 800);
    }
    ~ICWindowRig() override { EXPECT_TRUE(answers_->empty()) << answers_->size() << " dialogs never opened"; }

    QString ICPath(const QString& name) const { return s.Verzeichnisse[1] + name + QStringLiteral(".icd"); }

    // A conductor from (x1, y1) to (x2, y2), as the conductor tool draws it.
    void Wire(int x1, int y1, int x2, int y2)
    {
        Tool(ElementType::Conductor);
        Drag({{x1, y1}, {x2, y2}});
    }
    // The pins of element e.
    std::vector<PinPos> Inputs(int e) const { return Pins(s.circuit.Elements[static_cast<size_t>(e)].InPinList); }
    std::vector<PinPos> Outputs(int e) const { return Pins(s.circuit.Elements[static_cast<size_t>(e)].OutPinList); }
    static std::vector<PinPos> Pins(const QString& list)
    {
        PinTable t{};
        const int16_t n = ParsePinList(list, t);
        return {t.begin(), t.begin() + n};
    }

    frmIC& IC() const
    {
        auto* w = window.findChild<frmIC*>();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    // A worksheet connector label dragged over the IC drawing to (X, Y).
    void DragOver(int index, QPointF at)
    {
        QMimeData data;
        data.setData(kConnectorMimeType, QByteArray::number(index));
        // The drag enters first: only the widget it entered takes its moves.
        QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(IC().picIC, &enter);
        QDragMoveEvent e(at.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(IC().picIC, &e);
        QDragLeaveEvent leave;
        QApplication::sendEvent(IC().picIC, &leave);
    }

    // Answers for the naming dialogs, each taken by the next dialog to open.
    void Expect(Answer a)
    {
        answers_->push_back(std::move(a));
        if (answers_->size() == 1)
            Arm();
    }
    // Types the name and presses OK.
    static Answer Name(const QString& name)
    {
        return [name](frmICAnschluss& d) {
            d.txtName->setText(name);
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        };
    }
    int dialogsSeen = 0;
    int mostDialogsAtOnce = 0;

    QTemporaryDir dir;

private:
    // Waits for the next dialog to be open; a dialog that is closing is not the next.
    void Arm(int tries = 500)
    {
        QTimer::singleShot(0, [this, tries] {
            if (answers_->empty())
                return;
            auto* d = qobject_cast<frmICAnschluss*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible()) {
                if (tries > 0)
                    Arm(tries - 1);
                return;
            }
            ++dialogsSeen;
            mostDialogsAtOnce = std::max<int>(mostDialogsAtOnce, window.findChildren<frmICAnschluss*>().size());
            Answer a = std::move(answers_->front());
            answers_->pop_front();
            if (!answers_->empty())
                Arm();
            a(*d);
        });
    }
    std::shared_ptr<std::deque<Answer>> answers_ = std::make_shared<std::deque<Answer>>();
};
