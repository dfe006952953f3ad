#include "platform/run_log.h"

namespace dalmiro {

Text RunLogText(std::string_view campaignTitle, std::string_view itemTitle, int itemCount,
                std::string_view itemPageUrl) {
    Text log = Gbk("◆◆◆◆◆◆◆◆◆◆运行日志◆◆◆◆◆◆◆◆◆◆\r\n当前推广计划：");
    log += campaignTitle;
    log += Gbk("\r\n当前推广宝贝：");
    log += itemTitle;
    log += Gbk("\r\n当前计划有");
    log += std::to_string(itemCount);
    log += Gbk("个推广宝贝\r\n当前宝贝地址：");
    log += itemPageUrl;
    return log;
}

} // namespace dalmiro
