#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/Validators.h"
#include "foundation/cErrorQueue.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

const QString NameEmpty = "The name field can not be empty.";
const QString NameTitle = "Name failure";
const QString EmailQuestion = "E-mail addresses must have an '@' character. Continue anyway?";
const QString AddressTitle = "Address failure";
const QString InmcPrefix =
    "Inm-C addresses must start with the ocean region (581,582,583,584 or 580 for any ocean) and a '4' in Mobile "
    "Number.";
const QString InmcLength =
    "Inm-C addresses needs to be a 12 digits No., 3 digit for Ocean Region & 9 digit for the Mobile No.";
const QString DnidLength = "DNID Numbers can max. be a 5 digit No.";
const QString Untouched = "untouched";

using Validator = bool (*)(Foundation&, const QString&, bool, QString&);

bool Name(Foundation& f, const QString& t, bool d, QString& m) { return ValidateName(f, t, d, m); }
bool Email(Foundation& f, const QString& t, bool d, QString& m) { return ValidateEmail(f, t, d, m); }

struct Case {
    const char* label;
    Validator validate;
    QString text;
    bool accepted;
    QString reason;  // the message given with display off ("" when none)
};

class Validators : public ::testing::Test {
protected:
    test::TestPlatform platform;
    Foundation f{platform.Os};
    int Queued() { return ErrorQueue(f).Count(); }
};

// With display off nothing is shown, and a refusal puts its reason (where it has one) into the message.
TEST_F(Validators, DisplayOffGivesTheResultAndTheReasonOnly) {
    const Case cases[] = {
        {"empty name", Name, "", false, NameEmpty},
        {"blank name is not empty", Name, " ", true, ""},
        {"name", Name, "Harbour office", true, ""},
        {"e-mail without dot", Email, "ops@harbour", false, ""},
        {"e-mail without at sign", Email, "ops.harbour", false, ""},
        {"empty e-mail", Email, "", false, ""},
        {"e-mail", Email, "ops@harbour.no", true, ""},
        {"e-mail dot before at sign", Email, "o.ps@harbour", true, ""},
        {"Inm-C 5814", ValidateInmcNumber, "581412345678", true, ""},
        {"Inm-C any ocean 5804", ValidateInmcNumber, "580412345678", true, ""},
        {"Inm-C 5844 with letters", ValidateInmcNumber, "5844abcdefgh", true, ""},
        {"Inm-C 9 characters", ValidateInmcNumber, "581412345", false, InmcLength},
        {"Inm-C 13 characters", ValidateInmcNumber, "5814123456789", false, InmcLength},
        {"Inm-C empty", ValidateInmcNumber, "", false, InmcLength},
        {"Inm-C short with bad prefix gives the length", ValidateInmcNumber, "12345", false, InmcLength},
        {"Inm-C 5823", ValidateInmcNumber, "582312345678", false, InmcPrefix},
        {"Inm-C ocean 585", ValidateInmcNumber, "585412345678", false, InmcPrefix},
        {"Inm-C leading blank", ValidateInmcNumber, " 58141234567", false, InmcPrefix},
        {"DNID 5 characters", ValidateDnid, "12345", true, ""},
        {"DNID empty", ValidateDnid, "", true, ""},
        {"DNID 6 characters", ValidateDnid, "123456", false, DnidLength},
        {"DNID 9 characters", ValidateDnid, "123456789", false, DnidLength},
        {"number empty", ValidateNumber, "", true, ""},
        {"number anything", ValidateNumber, "@@ not a number", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QString message = Untouched;
        EXPECT_EQ(c.validate(f, c.text, false, message), c.accepted);
        EXPECT_EQ(message, c.reason.isEmpty() ? Untouched : c.reason);
        EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
        EXPECT_EQ(Queued(), 0);
    }
}

TEST_F(Validators, EmptyNameWithDisplayShowsItsBoxAtOnce) {
    QString message = Untouched;
    EXPECT_FALSE(ValidateName(f, "", true, message));
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, NameEmpty);
    EXPECT_EQ(platform.Boxes.Shown[0].title, NameTitle);
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(message, Untouched);
    EXPECT_EQ(Queued(), 0);

    EXPECT_TRUE(ValidateName(f, " ", true, message));
    EXPECT_EQ(platform.Boxes.Shown.size(), 1);
}

TEST_F(Validators, EmailWithDisplayAsksAndTheAnswerDecides) {
    const struct {
        MsgAnswer answer;
        bool accepted;
    } answers[] = {{MsgAnswer::Yes, true}, {MsgAnswer::No, false}};
    for (const auto& a : answers) {
        platform.Boxes.Shown.clear();
        platform.Boxes.Answer(a.answer);
        QString message = Untouched;
        EXPECT_EQ(ValidateEmail(f, "ops@harbour", true, message), a.accepted);
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].text, EmailQuestion);
        EXPECT_EQ(platform.Boxes.Shown[0].title, AddressTitle);
        EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(message, Untouched);
    }
    platform.Boxes.Shown.clear();
    QString message;
    EXPECT_TRUE(ValidateEmail(f, "ops@harbour.no", true, message));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(Queued(), 0);
}

// These refusals go through the message-box queue, so the box comes after the call has returned.
TEST_F(Validators, InmcAndDnidWithDisplayQueueTheirReason) {
    const Case cases[] = {
        {"Inm-C wrong length", ValidateInmcNumber, "581412345", false, InmcLength},
        {"Inm-C wrong prefix", ValidateInmcNumber, "582312345678", false, InmcPrefix},
        {"Inm-C accepted", ValidateInmcNumber, "583412345678", true, ""},
        {"DNID too long", ValidateDnid, "123456", false, DnidLength},
        {"DNID accepted", ValidateDnid, "12345", true, ""},
        {"number", ValidateNumber, "", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        f.gErrorQueue.reset();
        QString message = Untouched;
        EXPECT_EQ(c.validate(f, c.text, true, message), c.accepted);
        EXPECT_EQ(message, Untouched);
        EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
        if (c.reason.isEmpty()) {
            EXPECT_EQ(Queued(), 0);
        } else {
            ASSERT_EQ(Queued(), 1);
            EXPECT_EQ(ErrorQueue(f).Peek().toString(), c.reason);
        }
    }
}

}  // namespace
