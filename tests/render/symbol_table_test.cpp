// The drawing column covers the component table: every component has its row,
// every symbol that is kept has a routine, and codes that are no component have none.
#include <gtest/gtest.h>

#include "model/components.h"
#include "render/symbol_table.h"

TEST(SymbolTable, CoversEveryComponent)
{
    for (unsigned t = 0; t <= 255; ++t) {
        const auto type = static_cast<uint8_t>(t);
        const ComponentRow& component = Component(type);
        const SymbolRow& symbol = Symbol(type);
        SCOPED_TRACE(t);
        if (component.name == nullptr) {
            EXPECT_EQ(symbol.draw, nullptr);
            EXPECT_EQ(symbol.anchor, SymbolAnchor::None);
            continue;
        }
        EXPECT_EQ(symbol.type, type) << component.name << " has no row";
        if (component.symbolKept || symbol.anchor != SymbolAnchor::None) {
            EXPECT_NE(symbol.draw, nullptr) << component.name;
        }
    }
}
