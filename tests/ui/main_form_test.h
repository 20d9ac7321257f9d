// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace evdrive::test {

class MainFormTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();

    void workedRunShowsTheThreeResults();
    void failedRunClearsTheResultsItDidNotReach();
    void requiredGradeIsIgnored_data();
    void requiredGradeIsIgnored();
    void failureNamesKindAndField_data();
    void failureNamesKindAndField();
    void emptyFieldIsNamed_data();
    void emptyFieldIsNamed();
    void resultShowsItsLongestFittingForm_data();
    void resultShowsItsLongestFittingForm();
    void screenReaderHearsCaptionsAndWholeResults();
    void resultMenuEntriesHaveAccessKeys();
    void captionsStandAtTheirTopLeft_data();
    void captionsStandAtTheirTopLeft();
    void focusStartsOnStartButtonAndTabsThroughTheFields();
    void enterOnFocusedStartButtonCalculates();
    void tireButtonOpensOneWindow();
    void windowIconsStaySharpWhenScaled();
    void programRunsUntilTheTireWindowClosesToo();
};

} // namespace evdrive::test
