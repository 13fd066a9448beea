// SPDX-License-Identifier: MIT
#include "frmscience.h"

#include "levelbanks.h"
#include "presentrecord.h"

#include "forms.h"
#include "runtime.h"

#include <QButtonGroup>
#include <QPushButton>

namespace quiz {

namespace {

constexpr quint32 Black = 0;
constexpr quint32 Red = 0xFF;
constexpr quint32 Blue = 0xFF0000;
constexpr int QuestionCount = 250;

// A screen reader reacts to every change of the focused control's name; an unchanged name is
// therefore not set again.
void setSpokenName(ui::Control &control, const QString &name)
{
    if (control.widget()->accessibleName() != name)
        control.widget()->setAccessibleName(name);
}

// What a screen reader says right after the name of a control as it takes the focus, so that the
// keyboard flow itself tells the learner the question, the outcome and the end. (Qt 6.4 reports
// a change of description with the wrong value, so only the focus move makes it heard.)
void setSpokenDescription(ui::Control &control, const QString &text)
{
    control.widget()->setAccessibleDescription(text);
}

} // namespace

frmScience::frmScience(int level)
    : ui::Form(levelScreenDesign(level)), level(level), Picture1(control("Picture1")),
      Frame1(control("Frame1")), Frame2(control("Frame2")), Frame3(control("Frame3")),
      Text1(control("Text1")), Label4(control("Label4")), Label10(control("Label10")),
      Label11(control("Label11")), Label13(control("Label13")), Label14(control("Label14")),
      Label6(control("Label6")), Label7(control("Label7")), Label8(control("Label8")),
      Label9(control("Label9")), Image1(control("Image1")), Image2(control("Image2")),
      Image3(control("Image3")), Command1(control("Command1")), Command2(control("Command2")),
      Command3(control("Command3")), Command4(control("Command4")), cmdNext(control("cmdNext")),
      cmdQuit(control("cmdQuit")), answerButtons(new QButtonGroup(this))
{
    connect(cmdNext.button(), &QPushButton::clicked, this,
            ui::step(this, &frmScience::cmdNext_Click));
    connect(cmdQuit.button(), &QPushButton::clicked, this,
            ui::step(this, &frmScience::cmdQuit_Click));
    int option = 1;
    for (ui::Control *button : {&Command1, &Command2, &Command3, &Command4})
        answerButtons->addButton(button->button(), option++);
    connect(answerButtons, &QButtonGroup::idClicked, this, ui::step(this, &frmScience::answer));
    window()->setAccessibleName(QStringLiteral("%1, Level %2").arg(ui::appTitle()).arg(level));
    Text1.widget()->setAccessibleName(QStringLiteral("Question"));
}

void frmScience::Form_Load()
{
    Score = 0;

    // Fit the screen to the display.
    fit(ui::screenWidth(), ui::screenHeight());

    Text1.setText(QStringLiteral("Level %1 consists 250 Questions. Click on Start Button to start "
                                 "the Quiz")
                      .arg(level));

    shuffleQuestionOrder(QuestionOrder, QuestionNo);
    QuestionNo = 0;
    cmdNext.setCaption(QStringLiteral("&Start"));
    setAnswerButtonsEnabled(false);
    updateSpokenNames();
}

void frmScience::Form_Resize()
{
    // The window system gave the screen another size than the display's (a full screen on
    // Wayland): fit it to the size it really has.
    fit(width(), height());
}

void frmScience::fit(double W, double H)
{
    setWidth(W);
    setHeight(H);
    setLeft(0);
    setTop(0);
    Picture1.setLeft(W / 2 - Picture1.width() / 2);
    Frame1.setWidth(W - 225);
    // The option labels grow with their panel, keeping their margins, so that no option is cut.
    for (ui::Control *label : {&Label6, &Label7, &Label8, &Label9})
        label->setWidth(Frame1.width() - 600);
    Text1.setWidth(W - 225);
    Frame2.setWidth(W - 225);
    cmdQuit.setLeft(W - 1680);
    Image1.setLeft(W / 2 - Image1.width() / 2);
    Label4.setLeft(W - 2760);
    Label11.setLeft(W - 720);
    Label13.setLeft(W / 2 - Label13.width() / 2);
    Label14.setLeft(Label13.left() + 2000);
    Frame2.setTop(H - 1000);
    Frame3.setTop(static_cast<float>(H * 0.72));
    Frame3.setWidth(W - 225);
}

void frmScience::cmdNext_Click()
{
    const bool keyboardUser = cmdNext.widget()->hasFocus();

    setAnswerButtonsEnabled(true);
    cmdNext.setCaption(QStringLiteral("&Next"));
    Image1.setPicture({});
    QuestionNo = ui::add16(QuestionNo, 1);
    for (ui::Control *label : {&Label6, &Label7, &Label8, &Label9})
        label->setForeColour(Black);

    if (QuestionNo > QuestionCount) {
        Text1.setText(QStringLiteral("You have Completed this level."));
        // Disabling the focused Next button passes the focus on to Quit, which then says the end.
        setSpokenDescription(cmdQuit, Text1.text() + QStringLiteral(" Marks Obtained ") +
                                          ui::integerText(Score) + '.');
        cmdNext.setEnabled(false);
        setSpokenDescription(cmdNext, QString());
        setAnswerButtonsEnabled(false);
        updateSpokenNames();
        return;
    }

    Label10.setCaption(ui::integerText(QuestionNo));
    Label14.setCaption(QString());
    const qint16 r = QuestionOrder(QuestionNo);
    bank::PresentRecord(*this, bank::levelBank(level), r, CorrectOption);
    updateSpokenNames();
    setSpokenDescription(Command1,
                         QStringLiteral("Question %1: %2").arg(QuestionNo).arg(Text1.text()));

    // The answers come next; the focus moves before Next is disabled, which would pass it on to
    // Quit, so that a screen reader hears only the first option.
    if (keyboardUser)
        Command1.widget()->setFocus();
    cmdNext.setEnabled(false);
    setSpokenDescription(cmdNext, QString());
}

void frmScience::cmdQuit_Click()
{
    ui::forms::unload(name());
}

void frmScience::answer(int k)
{
    const auto buttons = answerButtons->buttons();
    const bool keyboardUser =
        std::any_of(buttons.begin(), buttons.end(), [](auto *b) { return b->hasFocus(); });

    if (CorrectOption == k) {
        Score = ui::add16(Score, 1);
        Label11.setCaption(ui::integerText(Score));
        Label14.setCaption(ui::integerText(CorrectOption));
        Image1.setPicture(Image2.picture());
        ui::rtcBeep();
    } else {
        optionLabel(k).setForeColour(Red);
        Image1.setPicture(Image3.picture());
        Label14.setCaption(ui::integerText(CorrectOption));
    }
    cmdNext.setEnabled(true);
    if (CorrectOption >= 1 && CorrectOption <= 4)
        optionLabel(CorrectOption).setForeColour(Blue);
    updateSpokenNames();
    // The outcome a sighted learner reads from the colours and the face.
    setSpokenDescription(
        cmdNext, QStringLiteral("%1. The correct answer is %2: %3.")
                     .arg(CorrectOption == k ? QStringLiteral("Right") : QStringLiteral("Wrong"))
                     .arg(CorrectOption)
                     .arg(optionLabel(CorrectOption).caption()));

    // Before the answer buttons are disabled, which would pass the focus along each of them.
    if (keyboardUser)
        cmdNext.widget()->setFocus();
    setAnswerButtonsEnabled(false);
}

ui::Control &frmScience::optionLabel(int option) const
{
    switch (option) {
    case 1:
        return Label6;
    case 2:
        return Label7;
    case 3:
        return Label8;
    default:
        return Label9;
    }
}

void frmScience::setAnswerButtonsEnabled(bool enabled)
{
    for (QAbstractButton *button : answerButtons->buttons())
        button->setEnabled(enabled);
}

void frmScience::updateSpokenNames()
{
    ui::Control *const buttons[] = {&Command1, &Command2, &Command3, &Command4};
    for (int option = 1; option <= 4; ++option) {
        const QString text = optionLabel(option).caption();
        setSpokenName(*buttons[option - 1],
                      text.isEmpty() ? QStringLiteral("Option %1").arg(option)
                                     : QStringLiteral("Option %1: %2").arg(option).arg(text));
    }
    const auto withValue = [](const ui::Control &caption, const ui::Control &value) {
        return (caption.caption() + ' ' + value.caption()).trimmed();
    };
    setSpokenName(control("Label3"), withValue(control("Label3"), Label10));
    setSpokenName(Label13, withValue(Label13, Label14));
    setSpokenName(Label4, withValue(Label4, Label11));
}

void defineLevelScreens()
{
    for (int level = 1; level <= bank::LevelCount; ++level)
        ui::forms::define(QStringLiteral("frmScience%1").arg(level),
                          [level] { return new frmScience(level); });
}

} // namespace quiz
