-- The tables of DezArod.mdb. Conventions:
--   keys INTEGER PRIMARY KEY; text COLLATE NOCASE (names were always compared without case);
--   Yes/No columns hold -1 (True) or 0 (False), NOT NULL DEFAULT 0, so "order by x desc" puts True first;
--   days are 'yyyy-mm-dd', date-times 'yyyy-mm-dd hh:mm:ss', so text order is time order;
--   money and decimal numbers REAL; no foreign keys (a link of 0 means none, dangling links are tolerated).

-- ===== users, groups, settings =====
CREATE TABLE UserClass (
  UserClassID     INTEGER PRIMARY KEY,
  userclassname   TEXT COLLATE NOCASE,
  CanSeeAllUser   INTEGER NOT NULL DEFAULT 0 CHECK (CanSeeAllUser  IN (-1, 0)),
  CanUserManage   INTEGER NOT NULL DEFAULT 0 CHECK (CanUserManage  IN (-1, 0)),
  Canchangeclass  INTEGER NOT NULL DEFAULT 0 CHECK (Canchangeclass IN (-1, 0)),
  cancheckorder   INTEGER NOT NULL DEFAULT 0 CHECK (cancheckorder  IN (-1, 0))
);

CREATE TABLE userdata (
  userid            INTEGER PRIMARY KEY,
  username          TEXT COLLATE NOCASE,
  userpass          TEXT,                            -- scrambled form, compared case-sensitively in code
  GetUserClassID    INTEGER,
  UserSkin          INTEGER,
  UserFontSize      INTEGER,
  UserDataGetOrder  INTEGER,
  UserEmail         TEXT COLLATE NOCASE,
  UserEmailName     TEXT COLLATE NOCASE,
  UserEmailPass     TEXT,
  UserEmailSmtp     TEXT COLLATE NOCASE
);

CREATE TABLE setup (
  setupname  TEXT COLLATE NOCASE PRIMARY KEY,
  SetupData  TEXT COLLATE NOCASE
);

-- ===== clients and companies =====
CREATE TABLE client (
  clientid        INTEGER PRIMARY KEY,
  createDate      TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  createuser      INTEGER,
  LastChangeDate  TEXT CHECK (LastChangeDate IS NULL OR LastChangeDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  clientname      TEXT COLLATE NOCASE,
  ClientPinyin    TEXT COLLATE NOCASE,
  sex             INTEGER NOT NULL DEFAULT 0 CHECK (sex IN (-1, 0)),   -- True = 男
  personcard      TEXT COLLATE NOCASE,
  Birthday        TEXT CHECK (Birthday IS NULL OR Birthday GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  zipcode         TEXT COLLATE NOCASE,
  salary          INTEGER,
  address         TEXT COLLATE NOCASE,
  addresscode     INTEGER,
  remark          TEXT COLLATE NOCASE,
  GetCompany      INTEGER NOT NULL DEFAULT 0,
  Age             INTEGER,
  -- one link column "get" || T per classification table T named in ClientSixClass
  getClientType    INTEGER NOT NULL DEFAULT 0,
  getClientSource  INTEGER NOT NULL DEFAULT 0,
  getClientLevel   INTEGER NOT NULL DEFAULT 0,
  getClientTrade   INTEGER NOT NULL DEFAULT 0,
  getClientStatus  INTEGER NOT NULL DEFAULT 0,
  getClientCredit  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE company (
  companyid         INTEGER PRIMARY KEY,
  createDate        TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  createuser        INTEGER,
  LastChangeDate    TEXT CHECK (LastChangeDate IS NULL OR LastChangeDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  companyname       TEXT COLLATE NOCASE,
  companyPinyin     TEXT COLLATE NOCASE,
  CompanyShortName  TEXT COLLATE NOCASE,
  Bank              TEXT COLLATE NOCASE,
  BankCode          TEXT COLLATE NOCASE,
  address           TEXT COLLATE NOCASE,
  addresscode       INTEGER,
  Introduce         TEXT COLLATE NOCASE,
  remark            TEXT COLLATE NOCASE
);

CREATE TABLE ContractClass (
  ContractClassID     INTEGER PRIMARY KEY,
  ContractClassname   TEXT COLLATE NOCASE,
  ContractClassOrder  INTEGER,
  ButtonName          TEXT COLLATE NOCASE            -- NULL: the kind has no action button
);

CREATE TABLE Contract (
  ContractID          INTEGER PRIMARY KEY,
  GetContractClassID  INTEGER,
  ContractData        TEXT COLLATE NOCASE,
  GetID               INTEGER,
  iscompany           INTEGER NOT NULL DEFAULT 0 CHECK (iscompany IN (-1, 0))
);

-- ===== classification tables: T has Tid, Tname, Tgetorder =====
CREATE TABLE ClientSixClass (
  ClientSixClassid        INTEGER PRIMARY KEY,
  ClientSixClassName      TEXT COLLATE NOCASE,
  ClientSixClassGetOrder  INTEGER,
  ClientSixTableName      TEXT COLLATE NOCASE
);
CREATE TABLE ClientType   (ClientTypeid   INTEGER PRIMARY KEY, ClientTypename   TEXT COLLATE NOCASE, ClientTypegetorder   INTEGER);
CREATE TABLE ClientSource (ClientSourceid INTEGER PRIMARY KEY, ClientSourcename TEXT COLLATE NOCASE, ClientSourcegetorder INTEGER);
CREATE TABLE ClientLevel  (ClientLevelid  INTEGER PRIMARY KEY, ClientLevelname  TEXT COLLATE NOCASE, ClientLevelgetorder  INTEGER);
CREATE TABLE ClientTrade  (ClientTradeid  INTEGER PRIMARY KEY, ClientTradename  TEXT COLLATE NOCASE, ClientTradegetorder  INTEGER);
CREATE TABLE ClientStatus (ClientStatusid INTEGER PRIMARY KEY, ClientStatusname TEXT COLLATE NOCASE, ClientStatusgetorder INTEGER);
CREATE TABLE ClientCredit (ClientCreditid INTEGER PRIMARY KEY, ClientCreditname TEXT COLLATE NOCASE, ClientCreditgetorder INTEGER);
CREATE TABLE ProductUnit  (ProductUnitid  INTEGER PRIMARY KEY, ProductUnitname  TEXT COLLATE NOCASE, ProductUnitGetOrder  INTEGER);

-- ===== affairs =====
CREATE TABLE AffairClass (
  AffairClassid        INTEGER PRIMARY KEY,
  AffairClassname      TEXT COLLATE NOCASE,
  GetAffairClassOrder  INTEGER
);
CREATE TABLE AffairSubject (
  AffairSubjectid        INTEGER PRIMARY KEY,
  AffairSubjectname      TEXT COLLATE NOCASE,
  GetAffairSubjectOrder  INTEGER
);

CREATE TABLE AffairRegular (
  AffairRegularId    INTEGER PRIMARY KEY,
  AffairRegularname  TEXT COLLATE NOCASE,
  RegularType        INTEGER,
  RegularData        TEXT COLLATE NOCASE,            -- text: keeps leading zeros ('01', '0101')
  RemainDate         INTEGER,
  GetAffairClass     INTEGER,
  GetAffairSubject   INTEGER,
  GetClient          INTEGER NOT NULL DEFAULT 0,
  RegularRemark      TEXT COLLATE NOCASE,
  createuser         INTEGER,
  createDate         TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  LastChangeDate     TEXT CHECK (LastChangeDate IS NULL OR LastChangeDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]')
);

CREATE TABLE affair (
  affairid          INTEGER PRIMARY KEY,
  Affairname        TEXT COLLATE NOCASE,
  AffairDate        TEXT CHECK (AffairDate IS NULL OR AffairDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  RemainDate        INTEGER NOT NULL DEFAULT 0,
  GetAffairClass    INTEGER,
  GetAffairSubject  INTEGER,
  GetClient         INTEGER NOT NULL DEFAULT 0,
  RegularRemark     TEXT COLLATE NOCASE,
  GetAffairRegular  INTEGER NOT NULL DEFAULT 0,       -- 0: a one-off or birthday affair
  isover            INTEGER NOT NULL DEFAULT 0 CHECK (isover  IN (-1, 0)),
  isclose           INTEGER NOT NULL DEFAULT 0 CHECK (isclose IN (-1, 0)),
  createuser        INTEGER
);

-- ===== products and orders =====
CREATE TABLE product (
  productid        INTEGER PRIMARY KEY,              -- typed by the user
  productname      TEXT COLLATE NOCASE,
  ProductNameEn    TEXT COLLATE NOCASE,
  ProductPinyin    TEXT COLLATE NOCASE,
  ProductCost      REAL,
  ProductSell      REAL,
  ProductWeight    REAL,
  GetProductUnit   INTEGER,
  PackLenght       REAL,
  PackWidth        REAL,
  PackHeight       REAL,
  PackNum          REAL,
  PackCube         REAL,
  PackNw           REAL,
  PackGw           REAL,
  PackSmallNum     REAL,
  PalletLenght     REAL,
  PalletWidth      REAL,
  PalletHeight     REAL,
  PalletLenghtNum  REAL,
  PalletWidthNum   REAL,
  PalletHeightNum  REAL,
  PalletAllHeight  REAL,
  PalletAllCube    REAL,
  PalletGw         REAL,
  DefData1         TEXT COLLATE NOCASE,
  DefData2         TEXT COLLATE NOCASE,
  DefData3         TEXT COLLATE NOCASE,
  DefData4         TEXT COLLATE NOCASE,
  DefData5         TEXT COLLATE NOCASE,
  DefData6         TEXT COLLATE NOCASE,
  createDate       TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  createuser       INTEGER
);

CREATE TABLE productmul (
  productmulid      INTEGER PRIMARY KEY,             -- typed by the user
  ProductMulName    TEXT COLLATE NOCASE,
  ProductMulNameEn  TEXT COLLATE NOCASE,
  ProductMulPinyin  TEXT COLLATE NOCASE,
  createDate        TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  createuser        INTEGER
);

CREATE TABLE ProductSinMul (
  ProductSinMulid     INTEGER PRIMARY KEY,
  GetProductMul       INTEGER,
  GetProductSin       INTEGER,
  GetProductSinCount  INTEGER,
  createDate          TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  createuser          INTEGER
);

CREATE TABLE orderdata (
  orderid         INTEGER PRIMARY KEY,               -- typed by the user
  createDate      TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  createuser      INTEGER,
  LastChangeDate  TEXT CHECK (LastChangeDate IS NULL OR LastChangeDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  GetClient       INTEGER NOT NULL DEFAULT 0,
  GetCompany      INTEGER NOT NULL DEFAULT 0,
  OrderDate       TEXT CHECK (OrderDate IS NULL OR OrderDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  orderremark     TEXT COLLATE NOCASE,
  OrderSell       REAL,
  realsell        REAL,
  ordercost       REAL,
  orderischeck    INTEGER NOT NULL DEFAULT 0 CHECK (orderischeck IN (-1, 0)),
  orderisover     INTEGER NOT NULL DEFAULT 0 CHECK (orderisover  IN (-1, 0)),
  overdate        TEXT CHECK (overdate IS NULL OR overdate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]')
);

CREATE TABLE OrderProMain (
  OrderProMainID  INTEGER PRIMARY KEY,
  GetOrderID      INTEGER,
  OrderProId      INTEGER,
  OrderProCount   INTEGER,
  ismul           INTEGER NOT NULL DEFAULT 0 CHECK (ismul IN (-1, 0)),
  createDate      TEXT CHECK (createDate IS NULL OR createDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  createuser      INTEGER
);

CREATE TABLE OrderProSin (
  OrderProSinID  INTEGER PRIMARY KEY,
  GetOrderID     INTEGER,
  OrderProId     INTEGER,
  OrderProCount  INTEGER,
  OrderProSell   REAL,
  OrderProcost   REAL
);

-- ===== operation log =====
CREATE TABLE logoperate (
  LogOperateid    INTEGER PRIMARY KEY,
  LogOperatename  TEXT COLLATE NOCASE
);
CREATE TABLE logclass (
  LogClassid    INTEGER PRIMARY KEY,
  LogClassname  TEXT COLLATE NOCASE,
  SqlStr        TEXT                                 -- SqlStr followed by the edited id is the name's query
);
CREATE TABLE logdata (
  logid          INTEGER PRIMARY KEY,
  CreateUser     INTEGER,
  GetLogOperate  INTEGER,
  GetLogClass    INTEGER,
  GetEditID      INTEGER,
  logDate        TEXT CHECK (logDate IS NULL OR logDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')
);

-- ===== regions and pinyin (read-only reference data) =====
CREATE TABLE AreaProvince (provinceid INTEGER PRIMARY KEY, provincename TEXT COLLATE NOCASE);
CREATE TABLE areacity     (cityid     INTEGER PRIMARY KEY, cityname     TEXT COLLATE NOCASE);
CREATE TABLE areaCountry  (Countryid  INTEGER PRIMARY KEY, Countryname  TEXT COLLATE NOCASE);
CREATE TABLE mypinyin     (hanzi TEXT, pinyin TEXT COLLATE NOCASE);   -- one row per reading; the first row holding a character decides

-- ===== indexes (lookups and lists) =====
CREATE INDEX ix_client_owner_pinyin    ON client(createuser, ClientPinyin);  -- the client list's order
CREATE INDEX ix_client_company         ON client(GetCompany);
CREATE INDEX ix_company_createuser     ON company(createuser);
CREATE INDEX ix_contract_owner         ON Contract(GetID, iscompany);
CREATE INDEX ix_affair_regular_date    ON affair(GetAffairRegular, AffairDate);
CREATE INDEX ix_affair_date            ON affair(AffairDate);
CREATE INDEX ix_affair_client          ON affair(GetClient);
CREATE INDEX ix_affairregular_owner    ON AffairRegular(createuser);
CREATE INDEX ix_productsinmul_mul      ON ProductSinMul(GetProductMul);
CREATE INDEX ix_orderpromain_order     ON OrderProMain(GetOrderID);
CREATE INDEX ix_orderprosin_order      ON OrderProSin(GetOrderID);
CREATE INDEX ix_orderdata_overdate     ON orderdata(overdate);
CREATE INDEX ix_orderdata_client       ON orderdata(GetClient);
CREATE INDEX ix_logdata_date           ON logdata(logDate);
