#include "platform/core/regfile.h"

#include <gtest/gtest.h>

#include <random>

namespace orbello::platform::regfile {
namespace {

constexpr const char* kRoot = "HKEY_CURRENT_USER";

std::vector<unsigned char> Bytes(std::string_view text) {
  return std::vector<unsigned char>(text.begin(), text.end());
}

const Value* FindValue(const Document& doc, std::string_view key, std::string_view name) {
  const Key* k = doc.FindKey(key);
  if (k == nullptr)
    return nullptr;
  for (const Value& v : k->values) {
    if (NamesEqual(v.name, name))
      return &v;
  }
  return nullptr;
}

TEST(RegFileParse, ReadsAHiveTypedByHand) {
  const std::string text =
      "\xEF\xBB\xBF\r\n"
      "REGEDIT4  \r\n"
      "; the game's settings\r\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\Software\\Corvane\\OB\\Settings]\r\n"
      "\"NextColors\"=dword:00000001\r\n"
      "  \"Delay_Jump\" =\tDWORD:A  ; short form\r\n"
      "\"TitleSkin\"=\"C:\\\\Games\\\\Orbello\\\\skin\\\\classic.sf\"\r\n"
      "\"Quote\"=\"say \\\"hi\\\"\"\r\n"
      "\"Lone\"=\"a\\b\"\r\n"
      "@=\"default\"\r\n"
      "\"Padded\"=hex(1):61,62,00,\\\r\n"
      "    00 , 00\r\n"
      "\"Blob\"=hex:de,AD,be,ef\r\n"
      "\"Empty\"=hex:\r\n"
      "\"Odd\"=hex(7):41,00,00\r\n";
  std::string error;
  std::optional<Document> doc = Parse(text, kRoot, &error);
  ASSERT_TRUE(doc) << error;
  const std::string key = "software\\corvane\\ob\\SETTINGS";
  ASSERT_NE(doc->FindKey(key), nullptr);
  EXPECT_EQ(doc->FindKey(key)->path, "Software\\Corvane\\OB\\Settings");

  const Value* v = FindValue(*doc, key, "nextcolors");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->type, 4u);
  EXPECT_EQ(v->data, (std::vector<unsigned char>{1, 0, 0, 0}));
  v = FindValue(*doc, key, "Delay_Jump");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->data, (std::vector<unsigned char>{10, 0, 0, 0}));

  v = FindValue(*doc, key, "TitleSkin");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->type, 1u);
  EXPECT_EQ(v->data, Bytes(std::string("C:\\Games\\Orbello\\skin\\classic.sf") + '\0'));
  EXPECT_EQ(FindValue(*doc, key, "Quote")->data, Bytes(std::string("say \"hi\"") + '\0'));
  EXPECT_EQ(FindValue(*doc, key, "Lone")->data, Bytes(std::string("a\\b") + '\0'));
  EXPECT_EQ(FindValue(*doc, key, "")->data, Bytes(std::string("default") + '\0'));

  v = FindValue(*doc, key, "Padded");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->type, 1u);
  EXPECT_EQ(v->data, (std::vector<unsigned char>{'a', 'b', 0, 0, 0}));
  EXPECT_EQ(FindValue(*doc, key, "Blob")->type, 3u);
  EXPECT_EQ(FindValue(*doc, key, "Blob")->data,
            (std::vector<unsigned char>{0xde, 0xad, 0xbe, 0xef}));
  EXPECT_TRUE(FindValue(*doc, key, "Empty")->data.empty());
  EXPECT_EQ(FindValue(*doc, key, "Odd")->type, 7u);
}

TEST(RegFileParse, MergesRepeatedSectionsAndValues) {
  const std::string text =
      "REGEDIT4\n"
      "[HKEY_CURRENT_USER\\A]\n\"x\"=dword:1\n"
      "[HKEY_CURRENT_USER\\B\\C]\n"
      "[hkey_current_user\\a]\n\"X\"=dword:2\n\"y\"=\"t\"\n";
  std::optional<Document> doc = Parse(text, kRoot);
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->keys.size(), 2u);
  ASSERT_EQ(doc->FindKey("A")->values.size(), 2u);
  EXPECT_EQ(doc->FindKey("A")->values[0].name, "x");  // first spelling kept
  EXPECT_EQ(doc->FindKey("A")->values[0].data[0], 2);
  EXPECT_TRUE(doc->KeyExists("b"));  // implied parent
  EXPECT_TRUE(doc->KeyExists("B\\c"));
  EXPECT_FALSE(doc->KeyExists("B\\C\\D"));
  EXPECT_FALSE(doc->KeyExists("Bc"));
}

// Thousands of keys and values are indexed: lookups stay case-blind and exact, and a name given
// again (in any spelling, in a reopened section) still keeps its first place and last data.
// ParseKeyTree keeps one key's tree but checks the whole text.
TEST(RegFileParse, LargeHivesAndOneKeyTree) {
  std::string text = "REGEDIT4\n[HKEY_CURRENT_USER\\Big]\n";
  for (int i = 0; i < 40; ++i)
    text += "\"v" + std::to_string(i) + "\"=dword:" + std::to_string(i) + "\n";
  for (int i = 0; i < 3000; ++i)
    text += "[HKEY_CURRENT_USER\\Soft\\K" + std::to_string(i) + "]\n\"n\"=\"" + std::to_string(i) +
            "\"\n";
  text += "[HKEY_CURRENT_USER\\big]\n\"V7\"=dword:77\n\"v40\"=dword:40\n";
  text += "[HKEY_CURRENT_USER\\Soft\\K12\\Sub]\n[HKEY_CURRENT_USER\\Soft\\K12x]\n";

  std::optional<Document> doc = Parse(text, kRoot);
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->keys.size(), 3003u);
  const Key* big = doc->FindKey("BIG");
  ASSERT_NE(big, nullptr);
  ASSERT_EQ(big->values.size(), 41u);
  EXPECT_EQ(big->values[7].name, "v7");
  EXPECT_EQ(big->values[7].data, Bytes(std::string("\x77\0\0\0", 4)));
  EXPECT_EQ(big->values[40].name, "v40");
  ASSERT_NE(FindValue(*doc, "soft\\k2999", "N"), nullptr);
  EXPECT_EQ(FindValue(*doc, "soft\\k2999", "N")->data, Bytes(std::string("2999", 5)));
  EXPECT_EQ(doc->FindKey("Soft\\K3000"), nullptr);
  EXPECT_TRUE(doc->KeyExists("SOFT"));
  EXPECT_TRUE(doc->KeyExists("soft\\k12\\sub"));
  EXPECT_FALSE(doc->KeyExists("Soft\\K"));
  EXPECT_TRUE(doc->RemoveKeyTree("soft\\K12"));
  EXPECT_EQ(doc->FindKey("Soft\\K12\\Sub"), nullptr);
  EXPECT_NE(doc->FindKey("Soft\\K12x"), nullptr);
  EXPECT_NE(doc->FindKey("Soft\\K13"), nullptr);
  EXPECT_EQ(&doc->AddKey("soft\\k13"), doc->FindKey("Soft\\K13"));

  std::optional<Document> one = ParseKeyTree(text, kRoot, "Soft\\k12");
  ASSERT_TRUE(one);
  ASSERT_EQ(one->keys.size(), 2u);
  EXPECT_EQ(one->keys[0].path, "Soft\\K12");
  EXPECT_EQ(one->keys[0].values[0].data, Bytes(std::string("12", 3)));
  EXPECT_EQ(one->keys[1].path, "Soft\\K12\\Sub");
  ASSERT_TRUE(ParseKeyTree(text, kRoot, "Missing"));
  EXPECT_TRUE(ParseKeyTree(text, kRoot, "Missing")->keys.empty());
  // A fault far from the key still refuses the hive.
  for (const char* fault : {"\"x\"=dword:\n", "\"x\"=\"open\n", "[-HKEY_CURRENT_USER\\Gone]\n"}) {
    EXPECT_FALSE(ParseKeyTree(text + fault, kRoot, "Soft\\K12")) << fault;
    EXPECT_FALSE(Parse(text + fault, kRoot)) << fault;
  }
}

TEST(RegFileParse, RejectsBrokenHives) {
  const char* broken[] = {
      "",
      "\n\n",
      "REGEDIT5\n",
      "[HKEY_CURRENT_USER\\A]\nREGEDIT4\n",
      "REGEDIT4\n\"x\"=dword:1\n",                                  // value before a key
      "REGEDIT4\n[HKEY_CURRENT_USER\\A\n",                          // no ']'
      "REGEDIT4\n[HKEY_CURRENT_USER\\A] junk\n",                    // text after a section
      "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n",                        // other hive
      "REGEDIT4\n[HKEY_CURRENT_USERX\\A]\n",                        // not the root
      "REGEDIT4\n[-HKEY_CURRENT_USER\\A]\n",                        // deletion is not hive content
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=-\n",                // neither is this
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:123456789\n",  // nine digits
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:1g\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"open\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"a\" b\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x=dword:1\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\" dword:1\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:1,,2\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:123\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:01 02\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:01,\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:01,\\\n",  // continues past the end
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex(1:00\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex(123456789):00\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=text\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\ngarbage\n",
  };
  for (const char* text : broken) {
    std::string error;
    EXPECT_FALSE(Parse(text, kRoot, &error)) << "accepted: " << text;
  }
}

TEST(RegFileParse, RootSectionHoldsNoValues) {
  EXPECT_TRUE(Parse("REGEDIT4\n[HKEY_CURRENT_USER]\n[HKEY_CURRENT_USER\\A]\n", kRoot));
  EXPECT_FALSE(Parse("REGEDIT4\n[HKEY_CURRENT_USER]\n\"x\"=dword:1\n", kRoot));
}

TEST(RegFileSerialise, WritesEachTypeInItsForm) {
  Document doc;
  Key& key = doc.AddKey("Software\\Corvane\\OB\\Settings");
  key.values.push_back({"NextColors", 4, {0x0a, 0, 0, 0}});
  key.values.push_back({"Path", 1, Bytes(std::string("C:\\x \"y\"") + '\0')});
  std::vector<unsigned char> padded(261, 0);
  padded[0] = 'a';
  key.values.push_back({"Padded", 1, padded});
  key.values.push_back({"", 3, {1, 2}});
  key.values.push_back({"Short", 4, {1, 2}});
  key.values.push_back({"Line", 1, Bytes(std::string("a\nb") + '\0')});
  const std::string text = Serialise(doc, kRoot);
  EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Corvane\\OB\\Settings]\n"), std::string::npos);
  EXPECT_NE(text.find("\"NextColors\"=dword:0000000a\n"), std::string::npos);
  EXPECT_NE(text.find("\"Path\"=\"C:\\\\x \\\"y\\\"\"\n"), std::string::npos);
  EXPECT_NE(text.find("\"Padded\"=hex(1):61,00,00,"), std::string::npos);
  EXPECT_NE(text.find("@=hex:01,02\n"), std::string::npos);
  EXPECT_NE(text.find("\"Short\"=hex(4):01,02\n"), std::string::npos);
  EXPECT_NE(text.find("\"Line\"=hex(1):61,0a,62,00\n"), std::string::npos);
  size_t longest = 0;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    longest = std::max(longest, end - start);
  }
  EXPECT_LT(longest, 80u);

  std::optional<Document> back = Parse(text, kRoot);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->keys.size(), 1u);
  ASSERT_EQ(back->keys[0].values.size(), key.values.size());
  for (size_t i = 0; i < key.values.size(); ++i) {
    EXPECT_EQ(back->keys[0].values[i].name, key.values[i].name);
    EXPECT_EQ(back->keys[0].values[i].type, key.values[i].type);
    EXPECT_EQ(back->keys[0].values[i].data, key.values[i].data);
  }
}

// Any names and data survive a write and a read, byte for byte.
TEST(RegFileSerialise, RandomDocumentsRoundTrip) {
  std::mt19937 random(7);
  auto text = [&](size_t max, bool key_path = false) {
    std::string s(random() % max, '\0');
    for (char& c : s) {
      do {
        c = static_cast<char>(random() % 256);
      } while (c == '\0' || c == '\r' || c == '\n' || (key_path && c == '\\'));
    }
    return s;
  };
  for (int round = 0; round < 200; ++round) {
    Document doc;
    for (int k = 0; k < 3; ++k) {
      std::string key_name = "K";
      key_name.append(std::to_string(k)).append("\\").append(text(8, true)).append("x");
      Key& key = doc.AddKey(key_name);
      for (int v = 0; v < 4; ++v) {
        Value value{text(6) + std::to_string(v), static_cast<uint32_t>(random() % 12), {}};
        value.data.resize(random() % 300);
        for (auto& b : value.data)
          b = static_cast<unsigned char>(random() % (v == 0 ? 3 : 256));
        key.values.push_back(value);
      }
    }
    std::optional<Document> back = Parse(Serialise(doc, kRoot), kRoot);
    ASSERT_TRUE(back) << "round " << round;
    ASSERT_EQ(back->keys.size(), doc.keys.size());
    for (size_t k = 0; k < doc.keys.size(); ++k) {
      ASSERT_EQ(back->keys[k].path, doc.keys[k].path);
      ASSERT_EQ(back->keys[k].values.size(), doc.keys[k].values.size());
      for (size_t v = 0; v < doc.keys[k].values.size(); ++v) {
        EXPECT_EQ(back->keys[k].values[v].name, doc.keys[k].values[v].name);
        EXPECT_EQ(back->keys[k].values[v].type, doc.keys[k].values[v].type);
        EXPECT_EQ(back->keys[k].values[v].data, doc.keys[k].values[v].data);
      }
    }
  }
}

TEST(RegFileDocument, KeyPathsAndTreeRemoval) {
  EXPECT_EQ(NormaliseKeyPath("\\Software\\\\Corvane\\"), "Software\\Corvane");
  EXPECT_FALSE(NormaliseKeyPath(""));
  EXPECT_FALSE(NormaliseKeyPath("\\\\"));
  EXPECT_FALSE(NormaliseKeyPath("a\nb"));

  Document doc;
  doc.AddKey("Software\\Corvane\\OB\\Settings");
  doc.AddKey("Software\\Corvane\\OB\\Other");
  doc.AddKey("Software\\Corvane\\OBX");
  EXPECT_TRUE(doc.RemoveKeyTree("software\\corvane\\ob"));
  ASSERT_EQ(doc.keys.size(), 1u);
  EXPECT_EQ(doc.keys[0].path, "Software\\Corvane\\OBX");
  EXPECT_FALSE(doc.RemoveKeyTree("Software\\Corvane\\OB"));
}

}  // namespace
}  // namespace orbello::platform::regfile
