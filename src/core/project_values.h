// The per-project options that travel in the IDE project (options of its top node), and where
// each is held while the add-on runs. An owner binds its own field while it exists (the bar its
// layout and HideWithView, the HTML settings their three values); values whose owner is not
// bound are held here, so that they still come back byte for byte when the project is saved.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"

namespace qelvo {

// One delivery entry: a node type and its delivery directory (possibly empty); its text, the
// sort key, is the type.
class DeliveryPair : public Basic {
public:
    String type, folder;
    int32_t mark = 0; // working flag of the delivery's type sync
    operator char*() override { return type; }
};

struct ProjectValueFields {
    int* hierarchical;     // Qelvo_HIERARCH
    int* hideWithView;     // Qelvo_HIDEWITHVIEW
    int* eWindows;         // Qelvo_EWindows
    int* genRC;            // Qelvo_GenRC
    int* htmlEnabled;      // Qelvo_HTMLEN
    int* htmlAuto;         // Qelvo_HTMLAU
    String* htmlFilters;   // Qelvo_HTMLFI
    int* withDelivery;     // Qelvo_WITHDELIVERY
    Tableau<DeliveryPair>* deliveries; // Qelvo_NB_ODR, Qelvo_ODR_TYP_%d, Qelvo_ODR_REP_%d
    String* groupwareServer;           // QelvoGroupwareServer
    Tableau<String>* mailRecipients;   // Qelvo_NB_MAIL, Qelvo_MAIL_PJ_%d
    // Not a project option: the "Groupware\Enabled" setting, which shows the bar's Groupware menu.
    int* groupwareEnabled;
};

// Every field bound to its owner or to the values held here.
extern ProjectValueFields ProjectValues;
// Binds every field back to the values held here (an owner going away calls it for its own
// fields by setting them back with HeldProjectValues()).
const ProjectValueFields& HeldProjectValues();

// Reads every option of the open project into its field, in the IDE's read order, each field
// first set to its value when absent (the layout's is the value it holds on entry).
void ReadProjectOptions();
// Empties the open project's mail list (the project closed).
void ClearProjectMailList();
// Writes every option into the open project, in the IDE's write order.
void WriteProjectOptions();

} // namespace qelvo
