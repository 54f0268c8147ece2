#pragma once

class QWidget;

namespace bw {

// Opens one window of a subsystem from the main menu (modal windows return when they
// close). Each subsystem declares its openers in its own header, e.g.
// src/setup/ui/SetupWindows.h: void openClassLibraryWindow(QWidget* parent);
using OpenWindow = void (*)(QWidget* parent);
// The new-show window: true when a show was created and its entries table is open.
using OpenNewShow = bool (*)(QWidget* parent);

// The windows of the other subsystems that the main window opens. A slot left empty
// keeps its menu item visible and disabled; WindowCommands.cpp fills the slots, one line
// per window. Which items need an open show, which walk the entries table (the main
// window stops following it meanwhile) and which need the club and secretary set up is
// decided by the main menu, not here.
struct WindowCommands {
    // File
    OpenNewShow newShow = nullptr;            // TNewShw, modal
    // Databases
    OpenWindow mailingList = nullptr;
    OpenWindow judges = nullptr;
    OpenWindow showDates = nullptr;
    OpenWindow judgeAssignments = nullptr;
    OpenWindow classLibrary = nullptr;
    OpenWindow sections = nullptr;
    OpenWindow catalogueGroups = nullptr;
    OpenWindow breeds = nullptr;
    OpenWindow salutations = nullptr;
    // View
    OpenWindow entryConfirmation = nullptr;
    OpenWindow gridFormat = nullptr;
    // Reports
    OpenWindow classCounts = nullptr;
    OpenWindow confirmationSlips = nullptr;
    OpenWindow bookletCatalogue = nullptr;
    OpenWindow cataloguePreview = nullptr;
    OpenWindow exhibitorIndexBooklet = nullptr;
    OpenWindow exhibitorIndexFullPage = nullptr;
    OpenWindow exhibitorIndexPreview = nullptr;
    OpenWindow entryAddressLabels = nullptr;
    OpenWindow exhibitNumberLabels = nullptr;
    OpenWindow returnAddressLabels = nullptr;
    OpenWindow awardCards = nullptr;
    OpenWindow specialNotesListing = nullptr;
    OpenWindow prepaidCatalogueList = nullptr;
    OpenWindow namesAndEmails = nullptr;
    OpenWindow emailAddresses = nullptr;
    OpenWindow verifyByInputOrder = nullptr;
    OpenWindow verifyByLastName = nullptr;
    // Tasks
    OpenWindow specifyJudgeAssignments = nullptr;
    OpenWindow exhibitNumbers = nullptr;
    // Tools
    OpenWindow calendar = nullptr;
    OpenWindow calculator = nullptr;
    OpenWindow generalPreferences = nullptr;
    OpenWindow clubDefaults = nullptr;
    OpenWindow transferToDisk = nullptr;
    OpenWindow transferFromDisk = nullptr;
    // Help
    OpenWindow about = nullptr;
};

// The program's window commands. Tests may replace slots before the main window is made.
WindowCommands& windowCommands();

} // namespace bw
