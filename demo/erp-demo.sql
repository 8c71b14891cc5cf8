/*
 * Demo ERP database bundled with Quorvane.
 *
 * A small metal-working company: about 70 products with their
 * acquisition-cost history from an initial load on 31/12/2023, stock
 * adjustments, operation natures, the government CFOP table, domestic and
 * import invoices and the import-expense postings of the cost module.
 * Start date of the acquisition-cost history: 01/01/2024 (PARAMETRO 252).
 *
 * Most rows are ordinary and no check reports them. A few problems are
 * planted on purpose; a run of the analysis finds:
 *
 *   CargaInicialSemCustoUnitarioEntrada       4 errors
 *   CFOPBeneficiamentoTerceiroAoMesmoTempo    3 errors
 *   CFOPConsumoMovimentandoEstoque            5 alerts
 *   PrimeiroLancamentoSaidaMovimentaEstoque   6 alerts
 *   ImportacaoSemDespesas                     7 alerts
 *   ImportacaoSemFOB                          9 errors
 *   AcertoEntradaSemValorUnitario             8 errors
 *                                            --
 *                                            42 findings
 *
 * The exact findings are listed in tests/fixtures/expected-erp-demo.tsv.
 *
 * Run with @DATABASE@ replaced by the path of the database to create.
 */
SET SQL DIALECT 3;
SET NAMES UTF8;
CREATE DATABASE '@DATABASE@' USER 'sysdba' PASSWORD 'quillhorn' DEFAULT CHARACTER SET WIN1252;

/* ================================================================== */
/* Schema                                                              */
/* ================================================================== */

CREATE TABLE PARAMETRO (
    M6_ID        INTEGER NOT NULL,
    M6_DESCRICAO VARCHAR(100),
    M6_VALOR     VARCHAR(255),
    CONSTRAINT PK_PARAMETRO PRIMARY KEY (M6_ID)
);

CREATE TABLE CADPRO (
    PROCOD      INTEGER NOT NULL,
    PROREF      VARCHAR(20),
    PRODES      VARCHAR(80),
    UNIDADE     VARCHAR(6),
    NCM         VARCHAR(10),
    PRECO_VENDA NUMERIC(15,2),
    ATIVO       CHAR(1) DEFAULT 'S',
    CONSTRAINT PK_CADPRO PRIMARY KEY (PROCOD)
);
CREATE INDEX IDX_CADPRO_PROREF ON CADPRO (PROREF);

CREATE TABLE CUSTO_AQUISICAO_HISTORICO (
    ZA_ID                     INTEGER NOT NULL,
    ZA_PROCOD                 INTEGER NOT NULL,
    ZA_PROREF                 VARCHAR(20),
    ZA_DATA                   DATE,
    ZA_DOCUMENTO              VARCHAR(20),
    ZA_QTDE_ENTRADA           NUMERIC(15,4),
    ZA_QTDE_SAIDA             NUMERIC(15,4),
    ZA_CUSTO_UNITARIO_ENTRADA NUMERIC(18,4),
    ZA_CUSTO_MEDIO            NUMERIC(18,4),
    ZA_FORMA_LANCAMENTO       VARCHAR(2),
    ZA_MOVIMENTA_ESTOQUE      CHAR(1),
    CONSTRAINT PK_CUSTO_AQUISICAO_HISTORICO PRIMARY KEY (ZA_ID)
);
CREATE INDEX IDX_ZA_PROCOD ON CUSTO_AQUISICAO_HISTORICO (ZA_PROCOD);
CREATE INDEX IDX_ZA_DATA ON CUSTO_AQUISICAO_HISTORICO (ZA_DATA);

CREATE TABLE ACERTOS (
    NUMERO                    INTEGER NOT NULL,
    PROCOD                    INTEGER,
    DATA                      DATE,
    TIPO                      CHAR(1),
    QTDE                      NUMERIC(15,4),
    UNITARIO                  NUMERIC(15,4),
    CONSIDERA_PRECO_INFORMADO CHAR(1),
    F8_ORIGEM                 VARCHAR(2),
    MOTIVO                    VARCHAR(60),
    CONSTRAINT PK_ACERTOS PRIMARY KEY (NUMERO)
);
CREATE INDEX IDX_ACERTOS_PROCOD ON ACERTOS (PROCOD);
CREATE INDEX IDX_ACERTOS_DATA ON ACERTOS (DATA);

CREATE TABLE TB002 (
    F4_CFOP      VARCHAR(5) NOT NULL,
    F4_DESCRICAO VARCHAR(200),
    CONSTRAINT PK_TB002 PRIMARY KEY (F4_CFOP)
);

CREATE TABLE NATOPE (
    NATCOD          VARCHAR(6) NOT NULL,
    NATNOME         VARCHAR(60),
    TERCEIRO        CHAR(1),
    BENEFICIAMENTO  CHAR(1),
    ESTOQUE         CHAR(1),
    C4_CFOP_GOVERNO VARCHAR(5),
    CONSTRAINT PK_NATOPE PRIMARY KEY (NATCOD)
);

CREATE TABLE NOTAFI (
    NOTANUM         INTEGER NOT NULL,
    NOTANUM_DISPLAY VARCHAR(12),
    SERIE           VARCHAR(3),
    PEDNUM          INTEGER,
    NOTADATA        DATE,
    PARCEIRO        VARCHAR(60),
    NOTATOT         NUMERIC(15,2),
    CONSTRAINT PK_NOTAFI PRIMARY KEY (NOTANUM)
);
CREATE INDEX IDX_NOTAFI_NOTADATA ON NOTAFI (NOTADATA);
CREATE INDEX IDX_NOTAFI_PEDNUM ON NOTAFI (PEDNUM);

CREATE TABLE NOTAPRO (
    NOTANUM                   INTEGER NOT NULL,
    NOTASEQ                   INTEGER NOT NULL,
    PROCOD                    INTEGER,
    NATOPE                    VARCHAR(6),
    A4_CFOP_GOVERNO           VARCHAR(5),
    QTDE                      NUMERIC(15,4),
    VALOR_UNITARIO            NUMERIC(18,4),
    A4_VR_FOB_ITEM            NUMERIC(15,2),
    A4_VR_FRETE_INTERNAC_ITEM NUMERIC(15,2),
    CONSTRAINT PK_NOTAPRO PRIMARY KEY (NOTANUM, NOTASEQ),
    CONSTRAINT FK_NOTAPRO_NOTAFI FOREIGN KEY (NOTANUM) REFERENCES NOTAFI (NOTANUM)
);

CREATE TABLE CUSTO_AQUISICAO_LCT_DESP_IMP (
    ZB_ID        INTEGER NOT NULL,
    ZB_PEDNUM    INTEGER NOT NULL,
    ZB_DATA      DATE,
    ZB_DESCRICAO VARCHAR(60),
    ZB_VALOR     NUMERIC(15,2),
    CONSTRAINT PK_CUSTO_AQUISICAO_LCT_DESP_IMP PRIMARY KEY (ZB_ID)
);
CREATE INDEX IDX_ZB_PEDNUM ON CUSTO_AQUISICAO_LCT_DESP_IMP (ZB_PEDNUM);

COMMIT;

/* ================================================================== */
/* Parameters                                                          */
/* ================================================================== */

INSERT INTO PARAMETRO VALUES (1,   'Razão social', 'Metalúrgica Serra Azul Ltda.');
INSERT INTO PARAMETRO VALUES (2,   'CNPJ', '12.345.678/0001-90');
INSERT INTO PARAMETRO VALUES (3,   'Regime tributário', 'Lucro Real');
INSERT INTO PARAMETRO VALUES (10,  'Casas decimais de quantidade', '4');
INSERT INTO PARAMETRO VALUES (11,  'Casas decimais de valor unitário', '4');
INSERT INTO PARAMETRO VALUES (251, 'Custo de aquisição ativo', 'S');
INSERT INTO PARAMETRO VALUES (252, 'Data de início do custo de aquisição', '01/01/2024');
INSERT INTO PARAMETRO VALUES (253, 'Data do último cálculo de custo', '30/06/2024');

/* ================================================================== */
/* Products                                                            */
/* columns: PROCOD, PROREF, PRODES, UNIDADE, NCM, PRECO_VENDA, ATIVO   */
/* ================================================================== */

INSERT INTO CADPRO VALUES (1,  'PAR-M6X20', 'Parafuso sextavado M6x20 zincado', 'PC', '73181500', 0.42, 'S');
INSERT INTO CADPRO VALUES (2,  'PAR-1/2',   'Parafuso sextavado ½" x 2"', 'PC', '73181500', 1.35, 'S');
INSERT INTO CADPRO VALUES (3,  'POR-M8',    'Porca sextavada M8', 'PC', '73181600', 0.18, 'S');
INSERT INTO CADPRO VALUES (4,  'ARR-1/4',   'Arruela lisa ¼"', 'PC', '73182200', 0.08, 'S');
INSERT INTO CADPRO VALUES (5,  'ARR-PRES',  'Arruela de pressão 5/16"', 'PC', '73182100', 0.11, 'S');
INSERT INTO CADPRO VALUES (6,  'REB-3.2',   'Rebite de alumínio 3,2mm', 'CT', '76169900', 24.90, 'S');
INSERT INTO CADPRO VALUES (7,  'CHA-2MM',   'Chapa de aço carbono 2mm', 'KG', '72085200', 9.80, 'S');
INSERT INTO CADPRO VALUES (8,  'CHA-INOX',  'Chapa de aço inox 304 1mm', 'KG', '72193500', 38.50, 'S');
INSERT INTO CADPRO VALUES (9,  'TUB-1',     'Tubo de aço galvanizado 1"', 'BR', '73063000', 189.00, 'S');
INSERT INTO CADPRO VALUES (10, 'CAN-L',     'Cantoneira "L" 1½" x 3/16"', 'BR', '72163100', 142.00, 'S');
INSERT INTO CADPRO VALUES (11, 'BAR-RED',   'Barra redonda trefilada 3/8"', 'BR', '72152000', 61.00, 'S');
INSERT INTO CADPRO VALUES (12, 'ELE-6013',  'Eletrodo revestido E6013 2,5mm', 'KG', '83111000', 27.50, 'S');
INSERT INTO CADPRO VALUES (13, 'ARA-MIG',   'Arame para solda MIG 1,0mm', 'KG', '83112000', 19.90, 'S');
INSERT INTO CADPRO VALUES (14, 'DIS-CORTE', 'Disco de corte 7" x 1/8"', 'PC', '68042211', 12.00, 'S');
INSERT INTO CADPRO VALUES (15, 'DIS-FLAP',  'Disco flap grão 80', 'PC', '68052000', 9.50, 'S');
INSERT INTO CADPRO VALUES (16, 'LIX-220',   'Lixa para ferro grão 220', 'FL', '68052000', 2.30, 'S');
INSERT INTO CADPRO VALUES (17, 'OLE-20W',   'Óleo lubrificante 20W', 'LT', '27101932', 32.90, 'S');
INSERT INTO CADPRO VALUES (18, 'OLE-HID',   'Óleo hidráulico ISO 68', 'LT', '27101932', 28.40, 'S');
INSERT INTO CADPRO VALUES (19, 'GRA-LIT',   'Graxa à base de lítio', 'KG', '27101992', 38.00, 'S');
INSERT INTO CADPRO VALUES (20, 'TIN-ESM',   'Tinta esmalte sintético azul', 'GL', '32089010', 89.00, 'S');
INSERT INTO CADPRO VALUES (21, 'TIN-FUN',   'Fundo anticorrosivo zarcão', 'GL', '32089010', 76.00, 'S');
INSERT INTO CADPRO VALUES (22, 'SOL-TIN',   'Solvente thinner', 'LT', '38140000', 15.20, 'S');
INSERT INTO CADPRO VALUES (23, 'ROL-6203',  'Rolamento 6203 ZZ', 'PC', '84821010', 18.00, 'S');
INSERT INTO CADPRO VALUES (24, 'ROL-6205',  'Rolamento 6205 2RS', 'PC', '84821010', 26.00, 'S');
INSERT INTO CADPRO VALUES (25, 'COR-A42',   'Correia em "V" A-42', 'PC', '40103100', 31.00, 'S');
INSERT INTO CADPRO VALUES (26, 'MAN-1/2',   'Mangueira de borracha ½"', 'M', '40092100', 9.90, 'S');
INSERT INTO CADPRO VALUES (27, 'ABR-ROS',   'Abraçadeira tipo rosca sem fim', 'PC', '73269090', 1.75, 'S');
INSERT INTO CADPRO VALUES (28, 'VED-BOR',   'Vedação de borracha nitrílica', 'PC', '40169300', 3.20, 'S');
INSERT INTO CADPRO VALUES (29, 'ANE-ORI',   'Anel O-ring 20mm', 'PC', '40169300', 0.90, 'S');
INSERT INTO CADPRO VALUES (30, 'MOL-COM',   'Mola de compressão', 'PC', '73202090', 4.80, 'S');
INSERT INTO CADPRO VALUES (31, 'PIN-ELA',   'Pino elástico 4x20', 'PC', '73182400', 0.60, 'S');
INSERT INTO CADPRO VALUES (32, 'BUC-NYL',   'Bucha de nylon S8', 'PC', '39269090', 0.45, 'S');
INSERT INTO CADPRO VALUES (33, 'ENG-HEL',   'Engrenagem helicoidal módulo 2', 'PC', '84834010', 120.00, 'S');
INSERT INTO CADPRO VALUES (34, 'POL-ALU',   'Polia de alumínio 100mm', 'PC', '84835090', 56.00, 'S');
INSERT INTO CADPRO VALUES (35, 'MOT-1CV',   'Motor elétrico 1 cv trifásico', 'PC', '85015210', 890.00, 'S');
INSERT INTO CADPRO VALUES (36, 'CAB-2.5',   'Cabo flexível 2,5mm²', 'M', '85444900', 2.10, 'S');
INSERT INTO CADPRO VALUES (37, 'DIS-TER',   'Disjuntor termomagnético 20A', 'PC', '85362000', 14.50, 'S');
INSERT INTO CADPRO VALUES (38, 'CON-TRI',   'Contator tripolar 9A', 'PC', '85364900', 98.00, 'S');
INSERT INTO CADPRO VALUES (39, 'FIT-ISO',   'Fita isolante 19mm', 'RL', '39191010', 6.50, 'S');
INSERT INTO CADPRO VALUES (40, 'LUV-VAQ',   'Luva de vaqueta', 'PR', '42032100', 14.00, 'S');
INSERT INTO CADPRO VALUES (41, 'OCU-PRO',   'Óculos de proteção incolor', 'PC', '90049090', 7.90, 'S');
INSERT INTO CADPRO VALUES (42, 'CAP-SEG',   'Capacete de segurança', 'PC', '65061000', 22.00, 'S');
INSERT INTO CADPRO VALUES (43, 'PRO-AUR',   'Protetor auricular plug', 'PR', '39269090', 1.90, 'S');
INSERT INTO CADPRO VALUES (44, 'FIL-AR',    'Filtro de ar comprimido', 'PC', '84213990', 64.00, 'S');
INSERT INTO CADPRO VALUES (45, 'VAL-ESF',   'Válvula esfera ½"', 'PC', '84818095', 27.00, 'S');
INSERT INTO CADPRO VALUES (46, 'MAN-MET',   'Manômetro 0 a 10 bar', 'PC', '90262010', 45.00, 'S');
INSERT INTO CADPRO VALUES (47, 'SEL-MEC',   'Selo mecânico 25mm', 'PC', '84842000', 210.00, 'S');
INSERT INTO CADPRO VALUES (48, 'CAI-PAP',   'Caixa de papelão 40x30x20', 'PC', '48191000', 3.40, 'S');
INSERT INTO CADPRO VALUES (49, 'ETI-ADE',   'Etiqueta adesiva 100x50', 'RL', '48211000', 18.00, 'S');
INSERT INTO CADPRO VALUES (50, 'FIL-STR',   'Filme stretch 500mm', 'RL', '39201099', 42.00, 'S');
-- products of the planted problems (see the history and adjustments below)
INSERT INTO CADPRO VALUES (51, 'TIN-EPO',   'Tinta epóxi cinza', 'GL', '32089010', 148.00, 'S');
INSERT INTO CADPRO VALUES (52, 'FIO-ACO',   'Fio de aço 1,5mm', 'KG', '72171090', 17.80, 'S');
INSERT INTO CADPRO VALUES (53, 'AÇÃO-053',  'Kit Ação rápida para engates', 'KIT', '73269090', 75.00, 'S');
INSERT INTO CADPRO VALUES (54, 'ESC-ACO',   'Escova de aço circular 6"', 'PC', '96039000', 34.00, 'S');
INSERT INTO CADPRO VALUES (55, 'COM-PNE',   'Compressor pneumático 10 pés', 'PC', '84144010', 2350.00, 'S');
INSERT INTO CADPRO VALUES (56, 'BOM-CEN',   'Bomba centrífuga ½ cv', 'PC', '84137080', 640.00, 'S');
INSERT INTO CADPRO VALUES (57, 'PAI-ELE',   'Painel elétrico de comando', 'PC', '85371090', 1890.00, 'S');
INSERT INTO CADPRO VALUES (58, 'RED-VEL',   'Redutor de velocidade 1:20', 'PC', '84834010', 1420.00, 'S');
INSERT INTO CADPRO VALUES (59, 'CIL-PNE',   'Cilindro pneumático 50x200', 'PC', '84123110', 385.00, 'S');
INSERT INTO CADPRO VALUES (60, 'SOP-TER',   'Soprador térmico 1500W', 'PC', '85163100', 260.00, 'S');
INSERT INTO CADPRO VALUES (61, 'ESM-ANG',   'Esmerilhadeira angular 4½"', 'PC', '84672900', 310.00, 'S');
INSERT INTO CADPRO VALUES (62, 'FUR-BAN',   'Furadeira de bancada', 'PC', '84592900', 1150.00, 'S');
INSERT INTO CADPRO VALUES (63, 'BRO-HSS',   'Jogo de brocas HSS 1 a 10mm', 'JG', '82075011', 89.00, 'S');
INSERT INTO CADPRO VALUES (64, 'TRE-ACO',   'Trena de aço 5m', 'PC', '90178010', 24.00, 'S');
INSERT INTO CADPRO VALUES (65, 'ALI-PRE',   'Alicate de pressão 10"', 'PC', '82032090', 48.00, 'S');
INSERT INTO CADPRO VALUES (66, 'CHA-COM',   'Chave combinada 13mm', 'PC', '82041100', 16.00, 'S');
INSERT INTO CADPRO VALUES (67, 'SER-FIT',   'Serra fita bimetálica', 'PC', '82022000', 275.00, 'S');

/* ================================================================== */
/* Acquisition-cost history                                            */
/* ================================================================== */

/* Products 1 to 50: an initial load on 31/12/2023 with its cost, then
   each month from January to June 2024 a purchase on the 5th and a
   consumption on the 20th. ZA_ID = product * 100 + sequence, so the
   initial load is always the product's first record. */
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE p INTEGER;
    DECLARE m INTEGER;
    DECLARE ref VARCHAR(20);
    DECLARE custo NUMERIC(18,4);
    DECLARE estoque NUMERIC(15,4);
    DECLARE q NUMERIC(15,4);
BEGIN
    p = 1;
    WHILE (p <= 50) DO
    BEGIN
        SELECT PROREF FROM CADPRO WHERE PROCOD = :p INTO :ref;
        custo = 0.35 + MOD(p * 37, 400) + MOD(p * 13, 100) / 100.0;
        estoque = 20 + MOD(p * 7, 90);
        INSERT INTO CUSTO_AQUISICAO_HISTORICO
            (ZA_ID, ZA_PROCOD, ZA_PROREF, ZA_DATA, ZA_DOCUMENTO, ZA_QTDE_ENTRADA, ZA_QTDE_SAIDA,
             ZA_CUSTO_UNITARIO_ENTRADA, ZA_CUSTO_MEDIO, ZA_FORMA_LANCAMENTO, ZA_MOVIMENTA_ESTOQUE)
        VALUES (:p * 100, :p, :ref, DATE '2023-12-31', 'CARGA', :estoque, 0, :custo, :custo, 'CI', 'S');
        m = 1;
        WHILE (m <= 6) DO
        BEGIN
            q = 10 + MOD(p + m * 3, 25);
            INSERT INTO CUSTO_AQUISICAO_HISTORICO
                (ZA_ID, ZA_PROCOD, ZA_PROREF, ZA_DATA, ZA_DOCUMENTO, ZA_QTDE_ENTRADA, ZA_QTDE_SAIDA,
                 ZA_CUSTO_UNITARIO_ENTRADA, ZA_CUSTO_MEDIO, ZA_FORMA_LANCAMENTO, ZA_MOVIMENTA_ESTOQUE)
            VALUES (:p * 100 + :m * 2 - 1, :p, :ref, DATEADD(4 DAY TO DATEADD(:m - 1 MONTH TO DATE '2024-01-01')),
                    'NF ' || (1000 + :p * 6 + :m), :q, 0, :custo * (1 + :m / 100.0), :custo, 'NF', 'S');
            INSERT INTO CUSTO_AQUISICAO_HISTORICO
                (ZA_ID, ZA_PROCOD, ZA_PROREF, ZA_DATA, ZA_DOCUMENTO, ZA_QTDE_ENTRADA, ZA_QTDE_SAIDA,
                 ZA_CUSTO_UNITARIO_ENTRADA, ZA_CUSTO_MEDIO, ZA_FORMA_LANCAMENTO, ZA_MOVIMENTA_ESTOQUE)
            VALUES (:p * 100 + :m * 2, :p, :ref, DATEADD(19 DAY TO DATEADD(:m - 1 MONTH TO DATE '2024-01-01')),
                    'REQ ' || (500 + :p * 6 + :m), 0, 5 + MOD(:p * :m, 8), 0, :custo, 'RQ', 'S');
            m = m + 1;
        END
        p = p + 1;
    END
END^
SET TERM ; ^

/* CargaInicialSemCustoUnitarioEntrada: initial loads typed in without a unit cost */
-- REPORTED: cost left empty
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5100, 51, 'TIN-EPO',  '2023-12-31', 'CARGA', 12,   0, NULL,  NULL, 'CI', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5101, 51, 'TIN-EPO',  '2024-02-08', 'REQ 811', 0, 3, 0, 0, 'RQ', 'S');
-- REPORTED: cost typed as zero
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5200, 52, 'FIO-ACO',  '2023-12-31', 'CARGA', 3.5,  0, 0,     0,    'CI', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5201, 52, 'FIO-ACO',  '2024-03-04', 'NF 1402', 50, 0, 16.9, 16.9, 'NF', 'S');
-- REPORTED: cost typed as zero
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5300, 53, 'AÇÃO-053', '2023-12-31', 'CARGA', 250,  0, 0,     0,    'CI', 'S');
-- REPORTED: negative cost (sign typed by mistake)
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5400, 54, 'ESC-ACO',  '2023-12-31', 'CARGA', 40,   0, -18.9, 0,    'CI', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5401, 54, 'ESC-ACO',  '2024-01-22', 'REQ 602', 0, 6, 0, 0, 'RQ', 'S');

/* PrimeiroLancamentoSaidaMovimentaEstoque: products whose history starts with an exit */
-- REPORTED: sold before the initial load was recorded
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5500, 55, 'COM-PNE',  '2024-01-03', 'NF 88012', 0, 1, 0, 0, 'NF', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5501, 55, 'COM-PNE',  '2024-01-10', 'CARGA', 4, 0, 1710, 1710, 'CI', 'S');
-- REPORTED: an exit adjustment first
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5600, 56, 'BOM-CEN',  '2024-01-15', 'AC 2201', 0, 2, 0, 0, 'AC', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5601, 56, 'BOM-CEN',  '2024-02-01', 'NF 1377', 6, 0, 455, 455, 'NF', 'S');
-- REPORTED: a purchase return first, never an initial load
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5700, 57, 'PAI-ELE',  '2024-02-02', 'NF 88102', 0, 1, 0, 0, 'DV', 'S');
-- REPORTED: no initial load, only exits
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5800, 58, 'RED-VEL',  '2024-02-19', 'NF 88140', 0, 3, 0, 0, 'NF', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5801, 58, 'RED-VEL',  '2024-04-11', 'NF 88377', 0, 1, 0, 0, 'NF', 'S');
-- REPORTED: fractional exit, initial load entered afterwards
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5900, 59, 'CIL-PNE',  '2024-03-06', 'REQ 731', 0, 4.5, 0, 0, 'RQ', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (5901, 59, 'CIL-PNE',  '2024-03-07', 'CARGA', 20, 0, 262.5, 262.5, 'CI', 'S');
-- REPORTED
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (6000, 60, 'SOP-TER',  '2024-05-27', 'NF 88561', 0, 2, 0, 0, 'NF', 'S');
-- not reported: the first exit does not move stock (consignment)
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (6500, 65, 'ALI-PRE',  '2024-01-09', 'NF 88020', 0, 5, 0, 0, 'NF', 'N');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (6501, 65, 'ALI-PRE',  '2024-01-12', 'CARGA', 30, 0, 31.4, 31.4, 'CI', 'S');
-- not reported: first record imported from an old system without launch form
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (6600, 66, 'CHA-COM',  '2023-12-30', NULL, 0, 2, 0, 0, NULL, 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (6601, 66, 'CHA-COM',  '2024-01-02', 'NF 1210', 40, 0, 9.75, 9.75, 'NF', 'S');
-- not reported: the initial load has the lowest ZA_ID although it is dated later than the first exit
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (6700, 67, 'SER-FIT',  '2024-01-20', 'CARGA', 8, 0, 190, 190, 'CI', 'S');
INSERT INTO CUSTO_AQUISICAO_HISTORICO VALUES (6701, 67, 'SER-FIT',  '2024-01-18', 'REQ 640', 0, 1, 0, 0, 'RQ', 'S');

/* ================================================================== */
/* Stock adjustments                                                   */
/* columns: NUMERO, PROCOD, DATA, TIPO, QTDE, UNITARIO,                */
/*          CONSIDERA_PRECO_INFORMADO, F8_ORIGEM, MOTIVO               */
/* ================================================================== */

/* Ordinary adjustments of products 1 to 50 (all with an initial load):
   entries with their informed price, exits, and inventory counts from
   the lot module (origin LT) that keep the calculated cost. */
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE i INTEGER;
    DECLARE p INTEGER;
BEGIN
    i = 1;
    WHILE (i <= 80) DO
    BEGIN
        p = MOD(i * 7, 50) + 1;
        IF (MOD(i, 4) = 0) THEN
            INSERT INTO ACERTOS VALUES (1000 + :i, :p, DATEADD(:i * 2 DAY TO DATE '2023-12-20'), 'S',
                                        1 + MOD(:i, 6), 0, 'N', 'CE', 'Perda no processo');
        ELSE IF (MOD(i, 4) = 1) THEN
            INSERT INTO ACERTOS VALUES (1000 + :i, :p, DATEADD(:i * 2 DAY TO DATE '2023-12-20'), 'E',
                                        2 + MOD(:i, 9), 0, 'N', 'LT', 'Inventário rotativo');
        ELSE
            INSERT INTO ACERTOS VALUES (1000 + :i, :p, DATEADD(:i * 2 DAY TO DATE '2023-12-20'), 'E',
                                        5 + MOD(:i, 12), 1.5 + MOD(:i * 11, 90), 'S', 'CE', 'Entrada por ajuste de inventário');
        i = i + 1;
    END
END^
SET TERM ; ^

/* AcertoEntradaSemValorUnitario: entry adjustments asking for their
   informed price while it is missing, for products without an initial load */
-- REPORTED: on the start date itself, price left empty
INSERT INTO ACERTOS VALUES (2001, 61, '2024-01-01', 'E', 3,    NULL, 'S', 'CE', 'Saldo inicial esquecido');
-- REPORTED
INSERT INTO ACERTOS VALUES (2002, 62, '2024-01-17', 'E', 1,    0,    'S', 'CE', 'Máquina recebida em comodato');
-- REPORTED: no origin recorded
INSERT INTO ACERTOS VALUES (2003, 63, '2024-02-05', 'E', 12,   0,    'S', NULL, 'Sobra de inventário');
-- REPORTED
INSERT INTO ACERTOS VALUES (2004, 57, '2024-02-29', 'E', 2,    NULL, 'S', 'CE', 'Devolução de cliente sem nota');
-- REPORTED: origin AC (not LT)
INSERT INTO ACERTOS VALUES (2005, 58, '2024-03-18', 'E', 1,    0,    'S', 'AC', 'Acerto de saldo');
-- REPORTED
INSERT INTO ACERTOS VALUES (2006, 64, '2024-04-02', 'E', 25,   0,    'S', 'CE', 'Sobra de inventário');
-- REPORTED: second adjustment of the same product
INSERT INTO ACERTOS VALUES (2007, 61, '2024-05-06', 'E', 0.5,  NULL, 'S', 'CE', 'Acerto de fração');
-- REPORTED
INSERT INTO ACERTOS VALUES (2008, 60, '2024-06-28', 'E', 4,    0,    'S', 'CE', 'Entrada de demonstração');
-- not reported: the day before the start date
INSERT INTO ACERTOS VALUES (2009, 61, '2023-12-31', 'E', 2,    NULL, 'S', 'CE', 'Saldo de fechamento');
-- not reported: origin LT
INSERT INTO ACERTOS VALUES (2010, 62, '2024-03-01', 'E', 1,    0,    'S', 'LT', 'Inventário rotativo');
-- not reported: informed price not used
INSERT INTO ACERTOS VALUES (2011, 63, '2024-03-02', 'E', 4,    0,    'N', 'CE', 'Sobra de inventário');
-- not reported: COM-PNE has an initial load
INSERT INTO ACERTOS VALUES (2012, 55, '2024-03-03', 'E', 1,    0,    'S', 'CE', 'Devolução de cliente sem nota');
-- not reported: an exit
INSERT INTO ACERTOS VALUES (2013, 64, '2024-03-04', 'S', 3,    0,    'S', 'CE', 'Quebra');
-- not reported: price informed
INSERT INTO ACERTOS VALUES (2014, 57, '2024-03-05', 'E', 1,    1620, 'S', 'CE', 'Entrada por ajuste');

/* ================================================================== */
/* Government CFOP table                                               */
/* ================================================================== */

INSERT INTO TB002 VALUES ('1101', 'Compra para industrialização');
INSERT INTO TB002 VALUES ('1102', 'Compra para comercialização');
INSERT INTO TB002 VALUES ('1124', 'Industrialização efetuada por outra empresa');
INSERT INTO TB002 VALUES ('1201', 'Devolução de venda de produção do estabelecimento');
INSERT INTO TB002 VALUES ('1202', 'Devolução de venda de mercadoria adquirida ou recebida de terceiros');
INSERT INTO TB002 VALUES ('1401', 'Compra para industrialização em operação com mercadoria sujeita ao regime de substituição tributária');
INSERT INTO TB002 VALUES ('1403', 'Compra para comercialização em operação com mercadoria sujeita ao regime de substituição tributária');
INSERT INTO TB002 VALUES ('1406', 'Compra de bem para o ativo imobilizado cuja mercadoria está sujeita ao regime de substituição tributária');
INSERT INTO TB002 VALUES ('1407', 'Compra de mercadoria para uso ou consumo cuja mercadoria está sujeita ao regime de substituição tributária');
INSERT INTO TB002 VALUES ('1551', 'Compra de bem para o ativo imobilizado');
INSERT INTO TB002 VALUES ('1556', 'Compra de material para uso ou consumo');
INSERT INTO TB002 VALUES ('1653', 'Compra de combustível ou lubrificante por consumidor ou usuário final');
INSERT INTO TB002 VALUES ('1901', 'Entrada para industrialização por encomenda');
INSERT INTO TB002 VALUES ('1902', 'Retorno de mercadoria remetida para industrialização por encomenda');
INSERT INTO TB002 VALUES ('1915', 'Entrada de mercadoria ou bem recebido para conserto ou reparo');
INSERT INTO TB002 VALUES ('1949', 'Outra entrada de mercadoria ou prestação de serviço não especificada');
INSERT INTO TB002 VALUES ('2101', 'Compra para industrialização');
INSERT INTO TB002 VALUES ('2102', 'Compra para comercialização');
INSERT INTO TB002 VALUES ('2551', 'Compra de bem para o ativo imobilizado');
INSERT INTO TB002 VALUES ('2556', 'Compra de material para uso ou consumo');
INSERT INTO TB002 VALUES ('3101', 'Compra para industrialização (importação)');
INSERT INTO TB002 VALUES ('3102', 'Compra para comercialização (importação)');
INSERT INTO TB002 VALUES ('3551', 'Compra de bem para o ativo imobilizado (importação)');
INSERT INTO TB002 VALUES ('3556', 'Compra de material para uso ou consumo (importação)');
INSERT INTO TB002 VALUES ('5101', 'Venda de produção do estabelecimento');
INSERT INTO TB002 VALUES ('5102', 'Venda de mercadoria adquirida ou recebida de terceiros');
INSERT INTO TB002 VALUES ('5124', 'Industrialização efetuada para outra empresa');
INSERT INTO TB002 VALUES ('5901', 'Remessa para industrialização por encomenda');
INSERT INTO TB002 VALUES ('5902', 'Retorno de mercadoria utilizada na industrialização por encomenda');
INSERT INTO TB002 VALUES ('5915', 'Remessa de mercadoria ou bem para conserto ou reparo');
INSERT INTO TB002 VALUES ('5949', 'Outra saída de mercadoria ou prestação de serviço não especificada');
INSERT INTO TB002 VALUES ('6101', 'Venda de produção do estabelecimento');
INSERT INTO TB002 VALUES ('6102', 'Venda de mercadoria adquirida ou recebida de terceiros');

/* ================================================================== */
/* Operation natures                                                   */
/* columns: NATCOD, NATNOME, TERCEIRO, BENEFICIAMENTO, ESTOQUE,        */
/*          C4_CFOP_GOVERNO                                            */
/* ================================================================== */

INSERT INTO NATOPE VALUES ('1101',   'Compra para industrialização', 'N', 'N', 'S', '1101');
INSERT INTO NATOPE VALUES ('1102',   'Compra para comercialização', 'N', 'N', 'S', '1102');
INSERT INTO NATOPE VALUES ('1201',   'Devolução de venda de produção', 'N', 'N', 'S', '1201');
INSERT INTO NATOPE VALUES ('1202',   'Devolução de venda de mercadoria', 'N', 'N', 'S', '1202');
INSERT INTO NATOPE VALUES ('1401',   'Compra para industrialização com ST', 'N', 'N', 'S', '1401');
INSERT INTO NATOPE VALUES ('1403',   'Compra para comercialização com ST', 'N', 'N', 'S', '1403');
INSERT INTO NATOPE VALUES ('1407',   'Compra de uso e consumo com ST', 'N', 'N', 'N', '1407');
INSERT INTO NATOPE VALUES ('1551',   'Compra de ativo imobilizado', 'N', 'N', 'N', '1551');
INSERT INTO NATOPE VALUES ('1556',   'Compra de material de uso e consumo', 'N', 'N', 'N', '1556');
INSERT INTO NATOPE VALUES ('1901',   'Entrada para industrialização por encomenda', 'S', 'N', 'N', '1901');
INSERT INTO NATOPE VALUES ('1902',   'Retorno de industrialização por encomenda', 'N', 'S', 'S', '1902');
INSERT INTO NATOPE VALUES ('1915',   'Entrada para conserto', 'S', NULL, 'N', '1915');
INSERT INTO NATOPE VALUES ('1949',   'Outras entradas', 'N', 'N', 'S', '1949');
-- CFOP typed with a dot: not found in TB002, so never matched
INSERT INTO NATOPE VALUES ('1949A',  'Outras entradas - brindes', 'N', 'N', 'S', '1.949');
INSERT INTO NATOPE VALUES ('2101',   'Compra para industrialização - interestadual', 'N', 'N', 'S', '2101');
INSERT INTO NATOPE VALUES ('2102',   'Compra para comercialização - interestadual', 'N', 'N', 'S', '2102');
INSERT INTO NATOPE VALUES ('2556',   'Uso e consumo - interestadual', 'N', 'N', 'N', '2556');
INSERT INTO NATOPE VALUES ('3101',   'Importação para industrialização', 'N', 'N', 'S', '3101');
INSERT INTO NATOPE VALUES ('3102',   'Importação para comercialização', 'N', 'N', 'S', '3102');
INSERT INTO NATOPE VALUES ('3551',   'Importação de ativo imobilizado', 'N', 'N', 'N', '3551');
INSERT INTO NATOPE VALUES ('5101',   'Venda de produção do estabelecimento', 'N', 'N', 'S', '5101');
INSERT INTO NATOPE VALUES ('5102',   'Venda de mercadoria de terceiros', 'N', 'N', 'S', '5102');
INSERT INTO NATOPE VALUES ('5901',   'Remessa para industrialização por encomenda', 'S', NULL, 'S', '5901');
INSERT INTO NATOPE VALUES ('5902',   'Retorno de industrialização por encomenda', 'N', 'S', 'S', '5902');
INSERT INTO NATOPE VALUES ('5915',   'Remessa para conserto', 'S', 'N', 'N', '5915');
INSERT INTO NATOPE VALUES ('5949',   'Outras saídas', 'N', 'N', 'N', '5949');
INSERT INTO NATOPE VALUES ('6101',   'Venda de produção - interestadual', 'N', 'N', 'S', '6101');
INSERT INTO NATOPE VALUES ('6102',   'Venda de mercadoria - interestadual', 'N', 'N', 'S', '6102');

/* CFOPBeneficiamentoTerceiroAoMesmoTempo: flagged both Terceiro and Beneficiamento */
-- REPORTED
INSERT INTO NATOPE VALUES ('1124',   'Industrialização efetuada por outra empresa', 'S', 'S', 'S', '1124');
-- REPORTED
INSERT INTO NATOPE VALUES ('5124',   'Industrialização efetuada para outra empresa', 'S', 'S', 'N', '5124');
-- REPORTED: a copy of 1901 whose flags were both ticked
INSERT INTO NATOPE VALUES ('1901B',  'Entrada para beneficiamento', 'S', 'S', 'N', '1901');

/* CFOPConsumoMovimentandoEstoque: consumption or fixed-asset CFOPs moving stock */
-- REPORTED
INSERT INTO NATOPE VALUES ('1556E',  'Uso e consumo (movimenta estoque)', 'N', 'N', 'S', '1556');
-- REPORTED
INSERT INTO NATOPE VALUES ('2551',   'Compra de ativo imobilizado - interestadual', 'N', 'N', 'S', '2551');
-- REPORTED: the CFOP description speaks of "consumidor"
INSERT INTO NATOPE VALUES ('1653',   'Compra de combustível', 'N', 'N', 'S', '1653');
-- REPORTED
INSERT INTO NATOPE VALUES ('3556',   'Importação de material de consumo', 'N', 'N', 'S', '3556');
-- REPORTED
INSERT INTO NATOPE VALUES ('1406',   'Compra de ativo imobilizado com ST', 'N', NULL, 'S', '1406');

/* ================================================================== */
/* Import-expense postings and fiscal documents                        */
/* NOTAFI:  NOTANUM, NOTANUM_DISPLAY, SERIE, PEDNUM, NOTADATA,         */
/*          PARCEIRO, NOTATOT                                          */
/* NOTAPRO: NOTANUM, NOTASEQ, PROCOD, NATOPE, A4_CFOP_GOVERNO, QTDE,   */
/*          VALOR_UNITARIO, A4_VR_FOB_ITEM, A4_VR_FRETE_INTERNAC_ITEM  */
/* ================================================================== */

/* 40 domestic documents (purchases and sales), November 2023 to June 2024.
   Domestic lines carry no FOB. */
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE n INTEGER;
    DECLARE s INTEGER;
    DECLARE cfop VARCHAR(5);
    DECLARE total NUMERIC(15,2);
    DECLARE q NUMERIC(15,4);
    DECLARE vu NUMERIC(18,4);
BEGIN
    n = 1;
    WHILE (n <= 40) DO
    BEGIN
        cfop = CASE MOD(n, 6) WHEN 0 THEN '1102' WHEN 1 THEN '2102' WHEN 2 THEN '5102'
                              WHEN 3 THEN '6102' WHEN 4 THEN '1101' ELSE '5101' END;
        INSERT INTO NOTAFI VALUES (:n, LPAD(3000 + :n, 6, '0'), '1',
            CASE WHEN :cfop STARTING WITH '1' OR :cfop STARTING WITH '2' THEN 4000 + :n ELSE NULL END,
            DATEADD(:n * 6 DAY TO DATE '2023-11-01'),
            CASE MOD(:n, 5) WHEN 0 THEN 'Gerdau Aços Longos S.A.' WHEN 1 THEN 'Ferragens São Jorge Ltda.'
                            WHEN 2 THEN 'Comercial Elétrica Paraná' WHEN 3 THEN 'Usinagem Três Irmãos'
                            ELSE 'Distribuidora Paulista de Parafusos' END,
            0);
        total = 0;
        s = 1;
        WHILE (s <= 1 + MOD(n, 4)) DO
        BEGIN
            q = 2 + MOD(n * s, 30);
            vu = 1.25 + MOD(n * 17 + s * 5, 300);
            INSERT INTO NOTAPRO VALUES (:n, :s, MOD(:n * 3 + :s, 50) + 1, :cfop, :cfop, :q, :vu, NULL, NULL);
            total = total + q * vu;
            s = s + 1;
        END
        UPDATE NOTAFI SET NOTATOT = :total WHERE NOTANUM = :n;
        n = n + 1;
    END
END^
SET TERM ; ^

/* 12 complete imports: every line has FOB and freight, every purchase
   order has its customs and freight postings. */
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE n INTEGER;
    DECLARE fob1 NUMERIC(15,2);
    DECLARE fob2 NUMERIC(15,2);
BEGIN
    n = 1;
    WHILE (n <= 12) DO
    BEGIN
        fob1 = 800 + MOD(n * 373, 5000);
        fob2 = 450 + MOD(n * 211, 3000);
        INSERT INTO NOTAFI VALUES (100 + :n, LPAD(4400 + :n, 6, '0'), '2', 5100 + :n,
            DATEADD(:n * 15 DAY TO DATE '2023-12-10'),
            CASE MOD(:n, 3) WHEN 0 THEN 'Bosch Rexroth GmbH' WHEN 1 THEN 'SKF Sverige AB' ELSE 'Ningbo Tools Ltd.' END,
            (:fob1 + :fob2) * 1.35);
        INSERT INTO NOTAPRO VALUES (100 + :n, 1, MOD(:n * 5, 50) + 1, '3101', '3101', 10 + :n, :fob1 / (10 + :n), :fob1, 40 + :n);
        INSERT INTO NOTAPRO VALUES (100 + :n, 2, MOD(:n * 9, 50) + 1, '3102', '3102', 5 + :n,  :fob2 / (5 + :n),  :fob2, 25 + :n);
        INSERT INTO CUSTO_AQUISICAO_LCT_DESP_IMP VALUES (:n * 2 - 1, 5100 + :n, DATEADD(:n * 15 + 2 DAY TO DATE '2023-12-10'),
            'Desembaraço aduaneiro', 350 + MOD(:n * 47, 400));
        INSERT INTO CUSTO_AQUISICAO_LCT_DESP_IMP VALUES (:n * 2,     5100 + :n, DATEADD(:n * 15 + 3 DAY TO DATE '2023-12-10'),
            'Frete rodoviário do porto', 180 + MOD(:n * 29, 250));
        n = n + 1;
    END
END^
SET TERM ; ^

/* Expense postings of the purchase orders of documents 207, 208, 209 and 211 below */
INSERT INTO CUSTO_AQUISICAO_LCT_DESP_IMP VALUES (101, 5207, '2024-02-22', 'Desembaraço aduaneiro', 620.00);
INSERT INTO CUSTO_AQUISICAO_LCT_DESP_IMP VALUES (102, 5208, '2024-03-14', 'Desembaraço aduaneiro', 410.00);
INSERT INTO CUSTO_AQUISICAO_LCT_DESP_IMP VALUES (103, 5208, '2024-03-15', 'Armazenagem', 95.00);
INSERT INTO CUSTO_AQUISICAO_LCT_DESP_IMP VALUES (104, 5209, '2024-04-26', 'Taxa Siscomex', 214.50);
INSERT INTO CUSTO_AQUISICAO_LCT_DESP_IMP VALUES (105, 5211, '2024-06-05', 'Despachante', 480.00);

/* ImportacaoSemDespesas: imports whose purchase order has no expense posting */
-- REPORTED
INSERT INTO NOTAFI VALUES (201, '004501', '2', 5201, '2024-02-14', 'Ningbo Tools Ltd.', 4320.00);
INSERT INTO NOTAPRO VALUES (201, 1, 14, '3102', '3102', 400, 8, 3200.00, 180.00);
-- REPORTED twice: one row per import CFOP
INSERT INTO NOTAFI VALUES (202, '004502', '2', 5202, '2024-03-05', 'SKF Sverige AB', 3105.50);
INSERT INTO NOTAPRO VALUES (202, 1, 23, '3101', '3101', 100, 15, 1500.00, 90.00);
INSERT INTO NOTAPRO VALUES (202, 2, 24, '3102', '3102', 40, 20, 800.00, 60.00);
-- REPORTED: imported fixed asset
INSERT INTO NOTAFI VALUES (203, '004503', '2', 5203, '2024-03-22', 'Bosch Rexroth GmbH', 60750.00);
INSERT INTO NOTAPRO VALUES (203, 1, 35, '3551', '3551', 1, 45000, 45000.00, 2100.00);
-- REPORTED here and twice in ImportacaoSemFOB (FOB never filled in)
INSERT INTO NOTAFI VALUES (204, '004504', '2', 5204, '2024-04-10', 'Ningbo Tools Ltd.', 2970.00);
INSERT INTO NOTAPRO VALUES (204, 1, 1, '3102', '3102', 5000, 0.3, 0, 120.00);
INSERT INTO NOTAPRO VALUES (204, 2, 3, '3102', '3102', 4000, 0.12, 0, 80.00);
-- REPORTED
INSERT INTO NOTAFI VALUES (205, '004505', '2', 5205, '2024-05-02', 'SKF Sverige AB', 1282.50);
INSERT INTO NOTAPRO VALUES (205, 1, 23, '3102', '3102', 50, 19, 950.00, 55.00);
-- REPORTED
INSERT INTO NOTAFI VALUES (206, '004506', '2', 5206, '2024-06-18', 'Bosch Rexroth GmbH', 3712.50);
INSERT INTO NOTAPRO VALUES (206, 1, 33, '3101', '3101', 25, 110, 2750.00, 140.00);

/* ImportacaoSemFOB: import lines without FOB (their orders have postings) */
-- REPORTED: FOB empty
INSERT INTO NOTAFI VALUES (207, '004507', '2', 5207, '2024-02-20', 'Ningbo Tools Ltd.', 1890.00);
INSERT INTO NOTAPRO VALUES (207, 1, 16, '3102', '3102', 600, 2.1, NULL, 70.00);
-- REPORTED once: only the second line lacks FOB
INSERT INTO NOTAFI VALUES (208, '004508', '2', 5208, '2024-03-12', 'SKF Sverige AB', 2295.00);
INSERT INTO NOTAPRO VALUES (208, 1, 24, '3101', '3101', 60, 20, 1200.00, 65.00);
INSERT INTO NOTAPRO VALUES (208, 2, 23, '3101', '3101', 30, 15, 0, 35.00);
-- REPORTED three times: three lines without FOB, freights differ
INSERT INTO NOTAFI VALUES (209, '004509', '2', 5209, '2024-04-25', 'Ningbo Tools Ltd.', 1350.00);
INSERT INTO NOTAPRO VALUES (209, 1, 14, '3102', '3102', 100, 4, 0, 10.00);
INSERT INTO NOTAPRO VALUES (209, 2, 15, '3102', '3102', 100, 3, 0, 20.00);
INSERT INTO NOTAPRO VALUES (209, 3, 16, '3102', '3102', 100, 2, 0, 30.00);
-- REPORTED: no purchase order either (so not in ImportacaoSemDespesas)
INSERT INTO NOTAFI VALUES (210, '004510', '2', NULL, '2024-05-15', 'Shenzhen Hardware Co.', 540.00);
INSERT INTO NOTAPRO VALUES (210, 1, 39, '3102', '3102', 500, 0.8, NULL, 0);
-- REPORTED
INSERT INTO NOTAFI VALUES (211, '004511', '2', 5211, '2024-06-03', 'Bosch Rexroth GmbH', 2430.00);
INSERT INTO NOTAPRO VALUES (211, 1, 38, '3101', '3101', 20, 90, 0, 60.00);

/* near misses for both import checks */
-- not reported: dated before the start date
INSERT INTO NOTAFI VALUES (212, '004412', '2', 5212, '2023-12-28', 'Ningbo Tools Ltd.', 780.00);
INSERT INTO NOTAPRO VALUES (212, 1, 2, '3102', '3102', 500, 1.2, 0, 25.00);
-- not reported: interstate purchase, not an import
INSERT INTO NOTAFI VALUES (213, '004513', '1', 5213, '2024-03-01', 'Distribuidora Paulista de Parafusos', 650.00);
INSERT INTO NOTAPRO VALUES (213, 1, 2, '2102', '2102', 500, 1.3, 0, NULL);
-- not reported: complete import without purchase order
INSERT INTO NOTAFI VALUES (214, '004514', '2', NULL, '2024-04-01', 'Shenzhen Hardware Co.', 675.00);
INSERT INTO NOTAPRO VALUES (214, 1, 39, '3102', '3102', 500, 1, 500.00, 12.00);

COMMIT;
