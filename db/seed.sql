-- Reference rows of a new DezArod.mdb. Regions and pinyin are loaded from db/data/ by dezarod-initdb.

-- The built-in group with every right, and the administrator (user 1 "admin", empty password in its
-- scrambled form).
INSERT INTO UserClass (UserClassID, userclassname, CanSeeAllUser, CanUserManage, Canchangeclass, cancheckorder)
VALUES (1, '系统管理员', -1, -1, -1, -1);
INSERT INTO userdata (userid, username, userpass, GetUserClassID, UserSkin, UserFontSize, UserDataGetOrder)
VALUES (1, 'admin', 't]6CsCpW85eCrr4IvCamB0iCns1Gt', 1, 3, 11, 1);

INSERT INTO setup (setupname, SetupData) VALUES ('公司名称', '公司名称');

-- Kinds of contact entry. The client list reads kinds 1 and 2 (phone), 4 (QQ) and 5 (e-mail).
INSERT INTO ContractClass (ContractClassID, ContractClassname, ContractClassOrder, ButtonName) VALUES
  (1, '手机', 1, NULL),
  (2, '电话', 2, NULL),
  (3, '传真', 3, NULL),
  (4, 'QQ',   4, '发送ＱＱ'),
  (5, '邮箱', 5, '发送邮件'),
  (6, '网址', 6, '打开网页');

-- Ways and types of affairs; row 1 of each is the way and type of birthday affairs.
INSERT INTO AffairClass (AffairClassid, AffairClassname, GetAffairClassOrder) VALUES
  (1, '电话', 1), (2, '拜访', 2), (3, '邮件', 3), (4, '短信', 4), (5, '其他', 5);
INSERT INTO AffairSubject (AffairSubjectid, AffairSubjectname, GetAffairSubjectOrder) VALUES
  (1, '客户关怀', 1), (2, '销售跟进', 2), (3, '售后服务', 3), (4, '收款', 4), (5, '其他', 5);

-- The six client classifications and their values.
INSERT INTO ClientSixClass (ClientSixClassid, ClientSixClassName, ClientSixClassGetOrder, ClientSixTableName) VALUES
  (1, '客户类型', 1, 'ClientType'),
  (2, '客户来源', 2, 'ClientSource'),
  (3, '客户等级', 3, 'ClientLevel'),
  (4, '所属行业', 4, 'ClientTrade'),
  (5, '客户状态', 5, 'ClientStatus'),
  (6, '信用等级', 6, 'ClientCredit');
INSERT INTO ClientType   VALUES (1, '个人客户', 1), (2, '企业客户', 2), (3, '代理商', 3), (4, '政府机构', 4);
INSERT INTO ClientSource VALUES (1, '朋友介绍', 1), (2, '网络', 2), (3, '展会', 3), (4, '电话营销', 4), (5, '老客户', 5);
INSERT INTO ClientLevel  VALUES (1, '重要客户', 1), (2, '普通客户', 2), (3, '潜在客户', 3);
INSERT INTO ClientTrade  VALUES (1, '制造业', 1), (2, '商贸', 2), (3, '服务业', 3), (4, '信息技术', 4), (5, '其他', 5);
INSERT INTO ClientStatus VALUES (1, '洽谈中', 1), (2, '已成交', 2), (3, '已流失', 3);
INSERT INTO ClientCredit VALUES (1, '优', 1), (2, '良', 2), (3, '中', 3), (4, '差', 4);

INSERT INTO ProductUnit  VALUES (1, '个', 1), (2, '件', 2), (3, '套', 3), (4, '箱', 4), (5, '台', 5), (6, '千克', 6), (7, '米', 7);

-- The log's operations and object classes. SqlStr followed by the edited id finds the object's name;
-- an order (class 7) is logged under its contact person's client id.
INSERT INTO logoperate (LogOperateid, LogOperatename) VALUES (1, '新增'), (2, '修改');
INSERT INTO logclass (LogClassid, LogClassname, SqlStr) VALUES
  (1, '客户',     'select clientname from client where clientid='),
  (2, '公司',     'select companyname from company where companyid='),
  (3, '常规事务', 'select AffairRegularname from AffairRegular where AffairRegularId='),
  (4, '临时事务', 'select Affairname from affair where affairid='),
  (5, '单件商品', 'select productname from product where productid='),
  (6, '组合商品', 'select ProductMulName from productmul where productmulid='),
  (7, '订单',     'select clientname from client where clientid='),
  (8, '订单审核', 'select orderid from orderdata where orderid=');
