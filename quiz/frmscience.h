// SPDX-License-Identifier: MIT
// A level screen: one attempt at a level's 250 questions, from Start to the last answer.
#pragma once

#include "questionorder.h"

#include "form.h"

class QButtonGroup;

namespace quiz {

class frmScience : public ui::Form
{
    Q_OBJECT

public:
    // Level 1 to 6: the screen frmScience1 .. frmScience6 and its bank.
    explicit frmScience(int level);

    void Form_Load() override;
    void Form_Resize() override;

    qint16 questionNo() const { return QuestionNo; }
    qint16 score() const { return Score; }
    qint16 correctOption() const { return CorrectOption; }
    const QuestionOrderArray &questionOrder() const { return QuestionOrder; }

private:
    // Sizes the screen to W x H twips at the display's corner and lays out its controls to fit.
    void fit(double W, double H);
    void cmdNext_Click();
    void cmdQuit_Click();
    // Command1_Click .. Command4_Click: judges the pick of option k against the question shown.
    void answer(int k);
    ui::Control &optionLabel(int option) const;
    void setAnswerButtonsEnabled(bool enabled);
    // Puts into words for a screen reader what the screen shows by place: each answer button's
    // option and each status caption's value.
    void updateSpokenNames();

    const int level;
    qint16 QuestionNo = 0;
    qint16 Score = 0;
    qint16 CorrectOption = 0;
    QuestionOrderArray QuestionOrder;

    ui::Control &Picture1, &Frame1, &Frame2, &Frame3, &Text1;
    ui::Control &Label4, &Label10, &Label11, &Label13, &Label14;
    ui::Control &Label6, &Label7, &Label8, &Label9;
    ui::Control &Image1, &Image2, &Image3;
    ui::Control &Command1, &Command2, &Command3, &Command4, &cmdNext, &cmdQuit;
    QButtonGroup *answerButtons;
};

// The level screen's design; the level picks the name and the title colour.
ui::FormDesign levelScreenDesign(int level);

// Makes the six level screens known to the forms layer by name.
void defineLevelScreens();

} // namespace quiz
