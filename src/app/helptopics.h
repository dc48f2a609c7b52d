// SPDX-License-Identifier: MIT
// The help topics of what the window does beyond its fields, and which topic
// explains each menu item, menu, page and button. F1 shows the topic of the
// nearest of them: the item's or control's own, else that of its menu or of
// the page it is on, else the contents.
#pragma once

class QMenu;
class QObject;
class QWidget;

namespace HelpTopic {
constexpr int Check = 41030;
constexpr int BuildAndWrittenCode = 41031;
constexpr int UpdateExistingUnit = 41032;
constexpr int RecentSpecifications = 41033;
constexpr int FilesFromOutside = 41034;
constexpr int Settings = 41035;
constexpr int MessageHandlersPage = 41036;
constexpr int OutputPage = 41037;
constexpr int StylePage = 41038;
constexpr int SpecificationFiles = 41039;
constexpr int Preferences = 41040;
constexpr int HelpAndAbout = 41041;
constexpr int Pages = 41042;
constexpr int ImportUnit = 41043;
constexpr int TestDrive = 41050;
} // namespace HelpTopic

// The topic of the item or control itself, by its help context or by its
// name; 0 when it has none of its own.
int helpTopicOf(const QObject *object);
// The topic of the focused control, else of the nearest widget around it.
int nearestHelpTopic(const QWidget *focused);
// The topic of the menu's active item, else of the menu, else of the menus
// it opened from.
int nearestHelpTopic(const QMenu *menu);
