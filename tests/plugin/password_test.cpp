#include "plugin/password.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace rovan {
namespace {

TEST(PasswordTest, ScramblingIsLengthPreservingAndInvertible) {
  const std::string texts[] = {"", "secret", "Pa55-word 2024!", "zzzZZZ999", "àè ü", "aaaa"};
  for (int variant : {1, 2}) {
    for (const std::string& t : texts) {
      std::string s = ScramblePassword(t, variant);
      EXPECT_EQ(s.size(), t.size());
      EXPECT_EQ(ClearPassword(s, variant), t) << t << " variant " << variant;
      for (size_t i = 0; i < t.size(); ++i) {
        bool alnum = (t[i] >= 'a' && t[i] <= 'z') || (t[i] >= 'A' && t[i] <= 'Z') || (t[i] >= '0' && t[i] <= '9');
        if (!alnum) {
          EXPECT_EQ(s[i], t[i]);
        }
      }
    }
  }
  EXPECT_NE(ScramblePassword("secret", 1), "secret");
  // Variant 2 shifts by the position in the run, so repeated letters differ.
  std::string v2 = ScramblePassword("aaaa", 2);
  EXPECT_NE(v2[0], v2[1]);
  EXPECT_EQ(ScramblePassword("aaaa", 1), std::string(4, ScramblePassword("a", 1)[0]));
  // The shift restarts after a character outside the runs.
  EXPECT_EQ(ScramblePassword("ab-ab", 2).substr(0, 2), ScramblePassword("ab-ab", 2).substr(3, 2));
}

class ConnectionTest : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv("ROVAN_REGISTRY_FILE"); }
  void Registry(const std::string& psw) {
    path_ = ::testing::TempDir() + "registry.ini";
    std::ofstream(path_) << "[" << kPasswordRegistryKey << "]\r\nPSW=" << psw << "\r\n";
    setenv("ROVAN_REGISTRY_FILE", path_.c_str(), 1);
  }
  std::string path_;
};

TEST_F(ConnectionTest, PasswordTreatment) {
  const std::string s1 = ScramblePassword("Tiger42", 1);
  const std::string s2 = ScramblePassword("Tiger42", 2);
  struct Case {
    std::string in;
    std::string out;
  } cases[] = {
      {"Provider=SQLNCLI11;Data Source=srv;User ID=sa", "Provider=SQLNCLI11;Data Source=srv;User ID=sa"},
      {"Data Source=srv;Password=plain;User ID=sa", "Data Source=srv;Password=plain;User ID=sa"},
      {"Data Source=srv;password=*" + s1 + "*;User ID=sa", "Data Source=srv;Password=Tiger42;User ID=sa"},
      {"Data Source=srv;PASSWORD=*" + s1 + "*", "Data Source=srv;Password=Tiger42"},
      {"Data Source=srv;Password=***;User ID=sa", "Data Source=srv;Password=***;User ID=sa"},
      {"Data Source=srv;PasswordCR=" + s1 + ";User ID=sa", "Data Source=srv;Password=Tiger42;User ID=sa"},
      {"Data Source=srv;PASSWORDCR2= " + s2 + " ;User ID=sa", "Data Source=srv;Password=Tiger42;User ID=sa"},
      {"Data Source=srv;PASSWORDCR2=" + s2, "Data Source=srv;Password=Tiger42"},
      {"Data Source=srv;PASSWORDCR", "Data Source=srv;Password="},
      {"Data Source=srv;Password=*", "Data Source=srv;Password=*"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodificaConnessione(c.in), c.out) << c.in;
}

TEST_F(ConnectionTest, StoredPasswordFromTheRegistry) {
  Registry(ScramblePassword("FromRegistry", 1));
  EXPECT_EQ(DecodificaConnessione("Data Source=srv;Password=***;User ID=sa"),
            "Data Source=srv;Password=FromRegistry;User ID=sa");
  // Only the exact three asterisks ask the registry.
  EXPECT_EQ(DecodificaConnessione("Password=****"), "Password=" + ClearPassword("**", 1));
}

}  // namespace
}  // namespace rovan
