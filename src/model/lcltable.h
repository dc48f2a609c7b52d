// SPDX-License-Identifier: MIT
// What the Lazarus target builds on: for each class of the ancestor list the
// LCL class a unit descends from, and for each standard message how the LCL
// names and numbers it. Both tables are made from the installed LCL by
// scripts/make-lcl-tables.py and compiled in from data/.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

extern const char *const kLclAncestorTable;
extern const char *const kLclMessageTable;

struct LclAncestor {
    QString lclClass;          // TTreeView for TOutline
    QString unit;              // the unit that declares lclClass
    bool counterpart = false;  // lclClass is a near class, not the one of the same name
    QStringList members;       // the re-declarable members of the ancestor table's entry
};

// The entry of a class of the ancestor list, compared without regard to
// letter case; none for a class outside the list.
std::optional<LclAncestor> lclAncestor(const QString &delphiClass);

// Whether the LCL class of delphiClass has member name (protected or higher),
// compared without regard to letter case. A class outside the list has none.
bool lclHasMember(const QString &delphiClass, const QString &name);

struct LclMessage {
    QString constant;                  // LM_SIZE; empty when the LCL has none
    QString record;                    // TLMSize or TLMessage; empty without a constant
    std::optional<int> windowsValue;   // from the Windows headers; none when unknown
};

// The entry of a standard message; none for a name outside the list.
std::optional<LclMessage> lclMessage(const QString &message);
