// Connecting to a PostgreSQL server that refuses the login, that is not
// there, or that never answers: the connect error of the run, promptly.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "tests/test_installation.h"

namespace kv::test {
namespace {

using Clock = std::chrono::steady_clock;

// A loopback port that accepts connections into its backlog and never says
// a word, as a hung server would.
class SilentListener {
 public:
  SilentListener() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(fd_, 4);
    socklen_t len = sizeof addr;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
  }
  ~SilentListener() { ::close(fd_); }
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

TEST(PostgresConnectTest, ServerThatCannotBeReachedGivesNoServiceWithinSeconds) {
  SilentListener silent;
  struct Case {
    const char* name;
    std::string service;
  };
  const Case cases[] = {
      {"no socket in the folder", "postgresql:///kv?host=/nonexistent"},
      {"closed loopback port", "postgresql://127.0.0.1:1/kv"},
      {"server that never answers", "postgresql://127.0.0.1:" + std::to_string(silent.port()) + "/kv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto start = Clock::now();
    EXPECT_EQ(db::ConnectDatabase("kvuser", "secret", c.service.c_str(), "KVSYSTEM"), db::kSqlNoService);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(8));
    EXPECT_EQ(db::CurrentSession(), nullptr);
  }
}

TEST(PostgresConnectTest, WrongPasswordOrUnknownLoginIsRefusedWithLogonDenied) {
  KV_SKIP_UNLESS_POSTGRES();
  std::string error;
  TestInstallation inst;
  ASSERT_TRUE(inst.Create(EngineKind::kPostgres, {"MND01"}, "", &error)) << error;
  struct Case {
    const char* name;
    std::string login, password;
    int rc;
  };
  const Case cases[] = {
      {"right credentials", inst.login(), inst.password(), db::kSqlOk},
      {"wrong password", inst.login(), inst.password() + "x", db::kSqlLogonDenied},
      {"unknown login", "nosuchrole", inst.password(), db::kSqlLogonDenied},
      {"empty password", inst.login(), "", db::kSqlLogonDenied},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto start = Clock::now();
    EXPECT_EQ(db::ConnectDatabase(c.login.c_str(), c.password.c_str(), inst.absolute_service().c_str(),
                                  "KVSYSTEM"),
              c.rc);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(8));
  }
  // The run reports the refusal with the masked password.
  ProgramResult r = inst.RunShell(ShellQuote(KV_INI_BIN) + " set ../../files/velastrom.ini PASS wrong && " +
                                  ShellQuote(KV_KORVANTIS_BIN) + " QVDNL31P TERM01 out.dnl 1");
  EXPECT_EQ(r.output, "DB-Connect-Error: -1017!Name:" + inst.login() + " Pwd:******** Net:" +
                          inst.service() + " Schema:KVSYSTEM\n");
}

}  // namespace
}  // namespace kv::test
