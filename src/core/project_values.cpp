#include "core/project_values.h"

#include "core/globals.h"
#include "core/mail.h"
#include "foundation/project_options.h"

#include <cstdio>
#include <string>

namespace qelvo {

namespace {

struct Held {
    int hierarchical = 0, hideWithView = 0, eWindows = 0, genRC = 0;
    int htmlEnabled = 1, htmlAuto = 0;
    String htmlFilters = "*.cpp;*.h";
    int withDelivery = 1;
    Tableau<DeliveryPair> deliveries;
    String groupwareServer;
    Tableau<String> mailRecipients;
    int groupwareEnabled = 1;
};

Held& HeldValues() {
    static Held held;
    return held;
}

ProjectValueFields Fields() {
    Held& h = HeldValues();
    return {&h.hierarchical, &h.hideWithView, &h.eWindows,     &h.genRC,
            &h.htmlEnabled,  &h.htmlAuto,     &h.htmlFilters,  &h.withDelivery,
            &h.deliveries,   &h.groupwareServer, &h.mailRecipients, &h.groupwareEnabled};
}

std::string Indexed(const char* format, int i) {
    char name[40];
    std::snprintf(name, sizeof name, format, i);
    return name;
}

// The project's mail list is the mail service's while it exists.
Tableau<String>* Recipients(const ProjectValueFields& f) {
    return Mail ? &Mail->recipients : f.mailRecipients;
}

void ReadInt(const char* name, int* field, int absent) {
    *field = GetProjectInt(name, absent);
}

} // namespace

ProjectValueFields ProjectValues = Fields();

const ProjectValueFields& HeldProjectValues() {
    static const ProjectValueFields held = Fields();
    return held;
}

void ReadProjectOptions() {
    ProjectValueFields& f = ProjectValues;
    ReadInt("Qelvo_HIERARCH", f.hierarchical, *f.hierarchical);
    ReadInt("Qelvo_HIDEWITHVIEW", f.hideWithView, 0);
    ReadInt("Qelvo_EWindows", f.eWindows, 0);
    ReadInt("Qelvo_GenRC", f.genRC, 0);
    ReadInt("Qelvo_HTMLEN", f.htmlEnabled, 1);
    ReadInt("Qelvo_HTMLAU", f.htmlAuto, 0);
    GetProjectText("Qelvo_HTMLFI", *f.htmlFilters, "*.cpp;*.h");
    int pairs = GetProjectInt("Qelvo_NB_ODR", 0);
    ReadInt("Qelvo_WITHDELIVERY", f.withDelivery, 1);
    f.deliveries->RemoveRange(0, 0);
    for (int i = 0; i < pairs; ++i) {
        String type, folder;
        GetProjectText(Indexed("Qelvo_ODR_TYP_%d", i).c_str(), type, "");
        GetProjectText(Indexed("Qelvo_ODR_REP_%d", i).c_str(), folder, "");
        if (type.Length() == 0)
            continue; // a pair without its type is left out
        DeliveryPair* pair = new DeliveryPair;
        pair->type = type;
        pair->folder = folder;
        f.deliveries->Append(pair);
    }
    GetProjectText("QelvoGroupwareServer", *f.groupwareServer, "");
    int recipients = GetProjectInt("Qelvo_NB_MAIL", 0);
    Tableau<String>* list = Recipients(f);
    list->RemoveRange(0, 0);
    for (int i = 0; i < recipients; ++i) {
        String address;
        GetProjectText(Indexed("Qelvo_MAIL_PJ_%d", i).c_str(), address, "");
        if (address.Length() > 0)
            list->Append(new String(address));
    }
}

void ClearProjectMailList() { Recipients(ProjectValues)->RemoveRange(0, 0); }

void WriteProjectOptions() {
    const ProjectValueFields& f = ProjectValues;
    SetProjectInt("Qelvo_HIERARCH", *f.hierarchical);
    SetProjectInt("Qelvo_HIDEWITHVIEW", *f.hideWithView);
    SetProjectInt("Qelvo_WITHDELIVERY", *f.withDelivery);
    SetProjectInt("Qelvo_NB_ODR", f.deliveries->count);
    for (int i = 0; i < f.deliveries->count; ++i) {
        const DeliveryPair* pair = f.deliveries->At(i);
        SetProjectText(Indexed("Qelvo_ODR_TYP_%d", i).c_str(), '+', pair->type.c_str());
        SetProjectText(Indexed("Qelvo_ODR_REP_%d", i).c_str(), '+', pair->folder.c_str());
    }
    const Tableau<String>* list = Recipients(f);
    SetProjectInt("Qelvo_NB_MAIL", list->count);
    for (int i = 0; i < list->count; ++i)
        SetProjectText(Indexed("Qelvo_MAIL_PJ_%d", i).c_str(), '+', list->At(i)->c_str());
    SetProjectText("QelvoGroupwareServer", '~', f.groupwareServer->c_str());
    SetProjectInt("Qelvo_EWindows", *f.eWindows);
    SetProjectInt("Qelvo_GenRC", *f.genRC);
    SetProjectInt("Qelvo_HTMLEN", *f.htmlEnabled);
    SetProjectInt("Qelvo_HTMLAU", *f.htmlAuto);
    SetProjectText("Qelvo_HTMLFI", '~', f.htmlFilters->c_str());
}

} // namespace qelvo
