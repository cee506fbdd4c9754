#include "plugin/rovan_tree.h"

#include <gtest/gtest.h>

#include <memory>

namespace rovan {
namespace {

// A root with three leaves, without a container.
struct Tree {
  Tree() {
    for (int i = 0; i < 3; ++i) {
      auto leaf = std::make_unique<TRovanTree>(nullptr, 10 + i, -1);
      leaf->m_desc = "Leaf " + std::to_string(i);
      root.m_ListaFigli.Add(std::move(leaf));
    }
  }
  TRovanTree root{nullptr, -1, -1};
};

TEST(RovanTreeTest, ChildrenByPositionAndCursor) {
  Tree t;
  EXPECT_EQ(t.root.GetNumFigli(), 3);
  EXPECT_EQ(t.root.GetFiglio(-1), nullptr);
  EXPECT_EQ(t.root.GetFiglio(3), nullptr);
  EXPECT_EQ(t.root.GetFiglio(2)->GetIdNodo(), 12);

  EXPECT_EQ(t.root.PrimoFiglio()->GetIdNodo(), 10);
  EXPECT_EQ(t.root.ProssimoFiglio()->GetIdNodo(), 11);
  EXPECT_EQ(t.root.ProssimoFiglio()->GetIdNodo(), 12);
  EXPECT_EQ(t.root.ProssimoFiglio(), nullptr);
  EXPECT_EQ(t.root.ProssimoFiglio(), nullptr);
  EXPECT_EQ(t.root.m_posizione, 4);  // keeps advancing past the end
  EXPECT_EQ(t.root.PrimoFiglio()->GetIdNodo(), 10);

  TRovanTree empty(nullptr, 1, -1);
  EXPECT_EQ(empty.PrimoFiglio(), nullptr);
}

TEST(RovanTreeTest, CountingCodesOfANodeWithChildren) {
  Tree t;
  int32_t tot = 9, filtrati = 9;
  EXPECT_EQ(t.root.ContaCodiciNodo(&tot, &filtrati), -1);
  EXPECT_EQ(tot, 0);
  EXPECT_EQ(filtrati, 0);
  // A leaf without a navigation engine has no codes.
  tot = filtrati = 9;
  EXPECT_EQ(t.root.GetFiglio(0)->ContaCodiciNodo(&tot, &filtrati), 0);
  EXPECT_EQ(tot, 0);
  EXPECT_EQ(filtrati, 0);
}

TEST(RovanTreeTest, DescriptionsAndTranslations) {
  TRovanTree node(nullptr, 4, 2);
  node.m_desc = "Cucine";
  node.m_descrizione_ori = "Cucine base";
  node.m_traduzioni[1] = "Kitchens";
  node.m_traduzioni[10] = "Küchen";
  EXPECT_STREQ(node.GetDescrNodo(), "Cucine");
  EXPECT_STREQ(node.GetTraduzioneNodo(0), "Cucine base");
  EXPECT_STREQ(node.GetTraduzioneNodo(1), "Kitchens");
  EXPECT_STREQ(node.GetTraduzioneNodo(10), "Küchen");
  EXPECT_STREQ(node.GetTraduzioneNodo(2), "");
  EXPECT_EQ(node.GetTraduzioneNodo(11), nullptr);
  EXPECT_EQ(node.GetTraduzioneNodo(-1), nullptr);
  EXPECT_EQ(node.GetValNonUsato(), 0);
}

TEST(RovanTreeTest, NodeKinds) {
  struct Case {
    TTipoLin kind;
    bool fendrix;
    const char* expected;
  } cases[] = {
      {LIN_NORMALE, false, ""},   {LIN_TEMPORANEE, false, "TMP"}, {LIN_PREFERITI, false, "PREF"},
      {LIN_NORMALE, true, "FNDX"}, {LIN_PREFERITI, true, "FNDX"},
  };
  for (const Case& c : cases) {
    TRovanTree node(nullptr, 1, -1);
    node.m_TipoLin = c.kind;
    node.m_isfendrix = c.fendrix;
    EXPECT_STREQ(node.GetTipoNodo(), c.expected);
  }
}

}  // namespace
}  // namespace rovan
