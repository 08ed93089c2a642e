#include "platform/DecimalText.h"

#include <gtest/gtest.h>

namespace {

TEST(DecimalText, ReadsAsTheDialogManagerReadsIntegerFields) {
    const std::tuple<const char*, std::optional<std::int32_t>, std::optional<std::uint32_t>>
        cases[] = {
            {"", std::nullopt, std::nullopt},
            {" 12\t", 12, 12u},
            {"-12", -12, std::nullopt},
            {"+12", 12, std::nullopt},
            {"12a", std::nullopt, std::nullopt},
            {"1 2", std::nullopt, std::nullopt},
            {"-2147483648", INT32_MIN, std::nullopt},
            {"2147483648", std::nullopt, 2147483648u},
            {"4294967296", std::nullopt, std::nullopt},
        };
    for (const auto& [text, asSigned, asUnsigned] : cases) {
        EXPECT_EQ(ParseSignedDecimal(text), asSigned) << text;
        EXPECT_EQ(ParseUnsignedDecimal(text), asUnsigned) << text;
    }
}

} // namespace
