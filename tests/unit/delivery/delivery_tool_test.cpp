#include "addon_parts.h"
#include "delivery/delivery.h"
#include "memory_registry.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qelvo {
namespace {

using testing_support::AddonParts;
using testing_support::MemoryRegistry;
using testing_support::TempDir;

std::string Text(ide::HostString* s) {
    std::string text = s ? s->GetText() : "(null)";
    if (s) s->Release();
    return text;
}

const char kProject[] = "QelvoStandInProject 1\nNode\n  Name \"APP\"\n  Type \".ide\"\n"
                        "  Node\n    Name \"Delivery\"\n    Type \"SourcePool\"\n"
                        "    Node\n      Name \"app.exe\"\n      Type \".exe\"\n      File \"bin\\app.exe\"\n    End\n"
                        "    Node\n      Name \"app.hlp\"\n      Type \".hlp\"\n      File \"doc\\app.hlp\"\n    End\n"
                        "  End\nEnd\n";

TEST(DeliveryTool, AddedWhileAProjectIsOpen) {
    TempDir dir;
    const std::string project = dir.Write("APP.IDE", kProject);
    MemoryRegistry registry;
    host::StandInIde ide;
    {
        AddonParts parts(kPartTopBar | kPartProjects | kPartOptions | kPartDelivery, ide.Services());
        ASSERT_NE(Delivery, nullptr);
        EXPECT_TRUE(ide.Tools().ToolMenu().empty());
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(ide.Projects().Open(project));
            EXPECT_EQ(std::vector<std::string>{"Qelvo &Delivery"}, ide.Tools().ToolMenu());
            ide::ITool* tool = ide.Tools().FindTool(ide::MakeHostString(ide.Services(), "qelvodelivery"));
            ASSERT_NE(tool, nullptr);
            EXPECT_EQ(-3, tool->GetKind());
            EXPECT_EQ(0x2100u, tool->GetFlags());
            EXPECT_EQ("QelvoDelivery", Text(tool->GetName()));
            EXPECT_EQ("Qelvo Project delivery", Text(tool->GetDescription()));
            EXPECT_EQ("[Qelvo AddOn extension]", Text(tool->GetNote()));
            tool->Release();

            std::vector<DeliveryNode> pool;
            ASSERT_TRUE(ReadDeliveryNodes(ide.Projects().Service(), pool));
            ASSERT_EQ(2u, pool.size());
            EXPECT_EQ(".exe", pool[0].type);
            EXPECT_EQ(".hlp", pool[1].type);
            SyncDeliveryTypes(Delivery->pairs, &pool);
            EXPECT_EQ(2, Delivery->pairs.count);

            ASSERT_TRUE(ide.Projects().Close(false));
            EXPECT_TRUE(ide.Tools().ToolMenu().empty());
        }
        // Disabled: a project opens without the tool.
        ASSERT_TRUE(ide.Projects().Open(project));
        Delivery->UnregisterDeliveryTool();
        Delivery->enabled = 0;
        Delivery->ProjectOpened();
        EXPECT_TRUE(ide.Tools().ToolMenu().empty());
        ASSERT_TRUE(ide.Projects().Close(false));
    }
    ide.DropAddOnObjects();
    EXPECT_EQ(ide.ServiceReferences(), 0u);
}

} // namespace
} // namespace qelvo
