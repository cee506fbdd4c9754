#include "plugin/reporting.h"

#include "platform/ui_services.h"
#include "plugin/host_link.h"

namespace rovan {

void MostraMessaggio(const std::string& testo) {
  MessageBoxRequest request;
  request.text = testo;
  request.caption = "Rovan";
  request.buttons = MsgButtons::Ok;
  Ui().MessageBox(request);
}

void ScriviLog(const std::string& testo) { HostLink::Get().Log(testo); }

LogBracket::LogBracket(std::string name) : name_(std::move(name)) { ScriviLog("{ " + name_); }

LogBracket::~LogBracket() { ScriviLog("}// " + name_); }

}  // namespace rovan
